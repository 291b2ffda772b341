#include "profiles/reg_syntax.h"

#include <cstdint>

#include "platform/text.h"

namespace tzp::profiles {

// The key named by a section line, or nullopt for any other line. The importer takes a
// line that starts with "[" (after blanks) as a key whose name runs to the line's last
// "]", whatever follows it, so that is what must be checked.
std::optional<std::string> SectionName(std::string_view line) {
    line = platform::TrimLeadingBlanks(line);
    const size_t close = line.rfind(']');
    if (line.empty() || line.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(line.substr(1, close - 1));
}

std::optional<ValueLine> SplitValueLine(std::string_view line) {
    size_t end = 0;
    if (line.substr(0, 1) == "@") {
        end = 1;
    } else if (line.substr(0, 1) == "\"") {
        size_t i = 1;
        while (i < line.size() && line[i] != '"') {
            i += line[i] == '\\' ? 2 : 1;
        }
        if (i >= line.size()) {
            return std::nullopt;
        }
        end = i + 1;
    } else {
        return std::nullopt;
    }
    if (end >= line.size() || line[end] != '=') {
        return std::nullopt;
    }
    return ValueLine{std::string(line.substr(0, end)), std::string(line.substr(end + 1))};
}

bool IsHexData(std::string_view data) {
    return data.size() >= 3 && platform::AsciiLower(data.substr(0, 3)) == "hex";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<HexData> ParseHexData(std::string_view data) {
    HexData hex;
    const size_t colon = data.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    hex.typeToken = std::string(data.substr(0, colon + 1));
    const std::string_view type = data.substr(3, colon - 3);
    if (!type.empty()) {
        if (type.size() < 3 || type.front() != '(' || type.back() != ')' || type.size() > 10) {
            return std::nullopt;
        }
        uint32_t number = 0;
        for (const char c : type.substr(1, type.size() - 2)) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            number = number * 16 + static_cast<uint32_t>(digit);
        }
        hex.type = static_cast<int>(number & 0x7FFFFFFF);
    }
    std::string_view rest = data.substr(colon + 1);
    while (!platform::TrimLeadingBlanks(rest).empty()) {
        const size_t comma = rest.find(',');
        const std::string item(platform::TrimBlanks(rest.substr(0, comma)));
        if (item.empty() || item.size() > 2) {
            return std::nullopt;
        }
        int value = 0;
        for (const char c : item) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
        }
        hex.bytes.push_back(static_cast<char>(value));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return hex;
}

// Joins a hex value's continuation lines (a line ending in a backslash goes on in the
// next, indented line) into one logical line. `next` points at the line after `first`
// and moves past the lines taken.
std::string JoinContinuations(const std::string& first, const std::vector<std::string>& lines,
                              size_t& next) {
    std::string joined(platform::TrimTrailingBlanks(first));
    while (!joined.empty() && joined.back() == '\\' && next < lines.size()) {
        joined.pop_back();
        joined += platform::TrimBlanks(lines[next]);
        ++next;
    }
    return joined;
}

}  // namespace tzp::profiles
