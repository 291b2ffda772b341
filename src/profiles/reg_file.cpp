#include "profiles/reg_file.h"

#include <cstdint>

#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"

namespace tzp::profiles {

namespace {

std::string Utf16ToUtf8(std::string_view units, platform::ByteOrder order) {
    return platform::CodePointsToUtf8(
        platform::Utf16ToCodePoints(units.substr(0, units.size() & ~size_t{1}), order));
}

// Blanks some reader might skip before a line's first character: every control
// character and space, and the other spaces of Unicode and of the 8-bit code pages.
bool IsAnyBlank(char32_t c) {
    return c <= 0x20 || c == 0x7F || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// The line without the blanks of IsAnyBlank at either end; each byte a character when
// `eightBit`, else UTF-8 characters.
std::string_view TrimAnyBlanks(std::string_view line, bool eightBit) {
    while (!line.empty()) {
        size_t end = 0;
        const char32_t c =
            eightBit ? static_cast<unsigned char>(line[end++]) : platform::NextCodePoint(line, end);
        if (!IsAnyBlank(c)) {
            break;
        }
        line.remove_prefix(end);
    }
    while (!line.empty()) {
        size_t start = line.size() - 1;
        while (!eightBit && start > 0 && line.size() - start < 4 &&
               (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) {
            --start;
        }
        size_t end = start;
        const char32_t c =
            eightBit ? static_cast<unsigned char>(line[end++]) : platform::NextCodePoint(line, end);
        if (end != line.size() || !IsAnyBlank(c)) {
            break;
        }
        line.remove_suffix(line.size() - start);
    }
    return line;
}

// A section line, `line` without its blanks; nullopt when it opens no key name.
std::optional<RegSection> SectionOf(std::string_view line) {
    if (!line.starts_with('[')) {
        return std::nullopt;
    }
    RegSection section;
    section.line = line;
    section.deletes = line.starts_with("[-");
    section.name = line.substr(section.deletes ? 2 : 1);
    const size_t close = section.name.rfind(']');
    section.closed = close != std::string_view::npos;
    if (section.closed) {
        section.name = section.name.substr(0, close);
    }
    return section;
}

// -1 for a character that is no hex digit.
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameAsciiLetters(std::string_view a, std::string_view b) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

RegText DecodeRegFile(std::string_view bytes) {
    const platform::MarkedText marked = platform::SplitByteOrderMark(bytes);
    switch (marked.mark) {
        case platform::TextMark::kUtf16Le:
            return {RegEncoding::kUtf16Le,
                    Utf16ToUtf8(marked.body, platform::ByteOrder::kLittleEndian)};
        case platform::TextMark::kUtf16Be:
            return {RegEncoding::kUtf16Be,
                    Utf16ToUtf8(marked.body, platform::ByteOrder::kBigEndian)};
        case platform::TextMark::kUtf8:
            return {RegEncoding::kUtf8, platform::ValidUtf8(marked.body)};
        case platform::TextMark::kNone:
            break;
    }
    if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0') {
        return {RegEncoding::kUnmarkedUtf16Le,
                Utf16ToUtf8(bytes, platform::ByteOrder::kLittleEndian)};
    }
    return {RegEncoding::kEightBit, std::string(bytes)};
}

std::vector<std::string_view> RegLines(std::string_view text) {
    return platform::SplitLineViews(text, platform::LineEnds::kCarriageReturnOrLineFeed);
}

bool IsRegHeader(std::string_view line) {
    const std::string_view header = platform::TrimTrailingBlanks(line);
    return header == kAnsiRegHeader || header == kUnicodeRegHeader;
}

std::optional<RegSection> ReadSection(std::string_view line) {
    auto section = SectionOf(platform::TrimBlanks(line));
    if (!section || !section->closed) {
        return std::nullopt;
    }
    return section;
}

std::optional<RegSection> ReadAnySection(std::string_view line, bool eightBit) {
    return SectionOf(TrimAnyBlanks(line, eightBit));
}

bool IsKeyOrBelow(std::string_view name, std::string_view key, KeyMatch match) {
    std::string folded;
    std::string foldedKey;
    if (match == KeyMatch::kRegistry) {
        folded = platform::UnicodeLower(name);
        foldedKey = platform::UnicodeLower(key);
        name = folded;
        key = foldedKey;
    }
    if (name.size() < key.size() || (name.size() > key.size() && name[key.size()] != '\\')) {
        return false;
    }
    return match == KeyMatch::kRegistry ? name.substr(0, key.size()) == key
                                        : SameAsciiLetters(key, name.substr(0, key.size()));
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

std::optional<std::string> Unquote(std::string_view quoted) {
    if (!quoted.starts_with('"')) {
        return std::nullopt;
    }
    std::string out;
    size_t i = 1;
    for (; i < quoted.size() && quoted[i] != '"'; ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            out += quoted[i];
            continue;
        }
        const char escaped = quoted[++i];
        out += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
    }
    if (i == quoted.size() || !platform::TrimTrailingBlanks(quoted.substr(i + 1)).empty()) {
        return std::nullopt;
    }
    return out;
}

bool IsHexData(std::string_view data) {
    return data.size() >= 3 && platform::AsciiLower(data.substr(0, 3)) == "hex";
}

std::optional<uint32_t> HexNumber(std::string_view digits, size_t most) {
    if (digits.empty() || digits.size() > most) {
        return std::nullopt;
    }
    uint32_t number = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        number = number * 16 + static_cast<uint32_t>(digit);
    }
    return number;
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
        const auto number = type.size() >= 2 && type.front() == '(' && type.back() == ')'
                                ? HexNumber(type.substr(1, type.size() - 2), 8)
                                : std::nullopt;
        if (!number) {
            return std::nullopt;
        }
        hex.type = static_cast<int>(*number & 0x7FFFFFFF);
    }
    std::string_view rest = data.substr(colon + 1);
    while (!platform::TrimLeadingBlanks(rest).empty()) {
        const size_t comma = rest.find(',');
        const auto value = HexNumber(platform::TrimBlanks(rest.substr(0, comma)), 2);
        if (!value) {
            return std::nullopt;
        }
        hex.bytes.push_back(static_cast<char>(*value));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return hex;
}

std::string JoinContinuations(std::string_view first, const std::vector<std::string_view>& lines,
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
