#include "profiles/export_conversion.h"

#include <cstdint>

#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"
#include "profiles/reg_file.h"

namespace tzp::profiles {

namespace {

// The editor starts a continuation line once a hex line reaches this many characters,
// so that no line, its trailing backslash included, is longer than 80.
constexpr size_t kHexLineLimit = 77;

// Whether a section of the export names the exported key or a key below it; the
// section's name is in the ANSI code page when `eightBit`, else UTF-8, the key UTF-8.
bool IsWithinKey(const RegSection& section, std::string_view key, bool eightBit = false) {
    const std::string name =
        eightBit ? platform::AnsiToUtf8(section.name) : std::string(section.name);
    return !section.deletes && IsKeyOrBelow(name, key, KeyMatch::kRegistry);
}

// A UTF-16 string payload (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) in the ANSI code page,
// its terminating and separating zeros kept one byte each. nullopt when the payload is
// not whole UTF-16 or holds a character the code page lacks.
std::optional<std::string> Utf16PayloadToAnsi(std::string_view payload) {
    if (payload.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string out;
    std::u32string segment;
    auto flush = [&]() {
        const std::string utf8 = platform::CodePointsToUtf8(segment);
        segment.clear();
        if (!platform::FitsAnsi(utf8)) {
            return false;
        }
        out += platform::Utf8ToAnsi(utf8);
        return true;
    };
    for (const char32_t cp : platform::Utf16LeToCodePoints(payload)) {
        if (cp == 0xFFFD) {
            return std::nullopt;
        }
        if (cp == 0) {
            if (!flush()) {
                return std::nullopt;
            }
            out.push_back('\0');
        } else {
            segment.push_back(cp);
        }
    }
    if (!flush()) {
        return std::nullopt;
    }
    return out;
}

// "name=hex(N):" and the bytes, wrapped the way the registry editor wraps them.
void AppendHexLines(std::string line, std::string_view bytes, std::vector<std::string>& out) {
    constexpr char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
        if (i + 1 == bytes.size()) {
            break;
        }
        line += ',';
        if (line.size() >= kHexLineLimit) {
            out.push_back(line + "\\");
            line = "  ";
        }
    }
    out.push_back(line);
}

class UnicodeExportConverter {
  public:
    explicit UnicodeExportConverter(std::string_view key) : key_(key) {}

    // False when the export holds a section outside the key.
    bool Convert(const std::vector<std::string_view>& lines) {
        for (size_t i = 1; i < lines.size();) {
            const std::string line(lines[i++]);
            if (const auto section = ReadSection(line)) {
                if (!IsWithinKey(*section, key_)) {
                    return false;
                }
                StartSection(std::string(section->name), line);
                continue;
            }
            const auto value = SplitValueLine(line);
            if (value && IsHexData(value->data)) {
                const std::string joined = JoinContinuations(line, lines, i);
                if (!skippingSection_) {
                    AddHexValue(joined);
                }
                continue;
            }
            if (skippingSection_ && !platform::TrimLeadingBlanks(line).empty()) {
                continue;
            }
            AddTextLine(line, value ? value->name : std::string());
        }
        return true;
    }

    ConvertedExport Result() { return std::move(result_); }

  private:
    void StartSection(const std::string& section, const std::string& line) {
        section_ = section;
        skippingSection_ = !platform::FitsAnsi(line);
        if (skippingSection_) {
            result_.leftOut.push_back(section);
        } else {
            result_.lines.push_back(platform::Utf8ToAnsi(line));
        }
    }

    void LeaveOut(const std::string& valueName) {
        result_.leftOut.push_back(section_ + " " + valueName);
    }

    // A line kept as it stands: string and dword values, blank lines, comments.
    void AddTextLine(const std::string& line, const std::string& valueName) {
        if (platform::FitsAnsi(line)) {
            result_.lines.push_back(platform::Utf8ToAnsi(line));
        } else {
            LeaveOut(valueName.empty() ? line : valueName);
        }
    }

    void AddHexValue(const std::string& joined) {
        const ValueLine value = *SplitValueLine(joined);
        auto hex = ParseHexData(value.data);
        if (!hex) {
            // Not data we understand: kept as the editor wrote it, on one line.
            AddTextLine(joined, value.name);
            return;
        }
        if (hex->type == 1 || hex->type == 2 || hex->type == 7) {
            auto ansi = Utf16PayloadToAnsi(hex->bytes);
            if (!ansi) {
                LeaveOut(value.name);
                return;
            }
            hex->bytes = std::move(*ansi);
        }
        if (!platform::FitsAnsi(value.name)) {
            LeaveOut(value.name);
            return;
        }
        AppendHexLines(platform::Utf8ToAnsi(value.name) + "=" + hex->typeToken, hex->bytes,
                       result_.lines);
    }

    std::string key_;
    std::string section_;
    bool skippingSection_ = false;
    ConvertedExport result_;
};

std::optional<ConvertedExport> ConvertUnicodeExport(const std::string& text, std::string_view key) {
    const auto lines = RegLines(text);
    if (lines.empty() || platform::TrimTrailingBlanks(lines[0]) != kUnicodeRegHeader) {
        return std::nullopt;
    }
    UnicodeExportConverter converter(key);
    if (!converter.Convert(lines)) {
        return std::nullopt;
    }
    return converter.Result();
}

// An 8-bit export is already in the profile file's layout: its lines are copied as
// they are, once it is known to be an export of the key.
std::optional<ConvertedExport> ConvertAnsiExport(std::string_view bytes, std::string_view key) {
    const auto lines = RegLines(bytes);
    if (lines.empty() || platform::TrimTrailingBlanks(lines[0]) != kAnsiRegHeader) {
        return std::nullopt;
    }
    ConvertedExport result;
    for (size_t i = 1; i < lines.size(); ++i) {
        const auto section = ReadSection(lines[i]);
        if (section && !IsWithinKey(*section, key, true)) {
            return std::nullopt;
        }
        result.lines.emplace_back(lines[i]);
    }
    return result;
}

}  // namespace

std::optional<ConvertedExport> ConvertKeyExport(std::string_view exportBytes,
                                                std::string_view key) {
    const RegText text = DecodeRegFile(exportBytes);
    switch (text.encoding) {
        case RegEncoding::kEightBit:
            return ConvertAnsiExport(text.text, key);
        case RegEncoding::kUtf16Be:
            return std::nullopt;  // no export of the editor
        default:
            return ConvertUnicodeExport(text.text, key);
    }
}

}  // namespace tzp::profiles
