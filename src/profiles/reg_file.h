#pragma once
// The one reader of registry files ("REGEDIT4" and "Windows Registry Editor Version
// 5.00") as the registry editor reads them: how the bytes are text, where lines end,
// which lines name keys, value lines with their hex data and its continuation lines.
// The comparison of a profile's settings with the registry, the check before an import
// and the conversion of the editor's export all read files through it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzp::profiles {

inline constexpr std::string_view kUnicodeRegHeader = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kAnsiRegHeader = "REGEDIT4";

// How a registry file's bytes are text.
enum class RegEncoding {
    kEightBit,         // no byte-order mark: 8-bit text in the ANSI code page
    kUtf16Le,          // UTF-16LE after its mark, as the editor writes its exports
    kUtf16Be,          // UTF-16BE after its mark, which the editor does not read
    kUtf8,             // UTF-8 after its mark
    kUnmarkedUtf16Le,  // UTF-16LE without a mark: a first character below U+0100
};

struct RegText {
    RegEncoding encoding = RegEncoding::kEightBit;
    // UTF-8 for the Unicode encodings (an odd last byte of UTF-16 is no character and is
    // left out, as the editor leaves it); the bytes as they are for 8-bit text, whose
    // readers decide how to take them.
    std::string text;
};
RegText DecodeRegFile(std::string_view bytes);

// The lines of the text: a line ends at CR LF, at CR or at LF.
std::vector<std::string_view> RegLines(std::string_view text);

// Whether a line is either header a registry file starts with.
bool IsRegHeader(std::string_view line);

// A line that names a key: after spaces and tabs, "[" opens the key's name, which runs to
// the line's last "]", whatever follows it; "[-" deletes the key.
struct RegSection {
    std::string_view line;  // without its surrounding blanks
    std::string_view name;  // without the brackets and the '-'
    bool deletes = false;
    bool closed = true;  // false for a line without its "]", which the editor takes for no key
};
std::optional<RegSection> ReadSection(std::string_view line);

// A line the import check takes for a section, a stricter reading than the editor's:
// besides spaces and tabs it skips every blank some reader might skip (control
// characters and the other spaces of Unicode and of the 8-bit code pages), and it takes a
// line without its "]" too, its name running to the line's end. `eightBit`: the line's
// bytes are characters each (8-bit text read byte for byte), else it is UTF-8.
std::optional<RegSection> ReadAnySection(std::string_view line, bool eightBit);

// How a key's name is matched with the name of a key it may lie in.
enum class KeyMatch {
    // As the registry matches names: without regard to case, by the platform's Unicode
    // lower-casing.
    kRegistry,
    // ASCII letters without regard to case, every other character as it stands: for
    // checking names against keys whose names are ASCII. A character outside ASCII that
    // some lower-casing might fold into an ASCII letter (the Kelvin sign) names another
    // key then, which is refused rather than let through.
    kAsciiLetters,
};

// Whether `name` names `key` or a key below it.
bool IsKeyOrBelow(std::string_view name, std::string_view key, KeyMatch match);

// A value line split at its '=': the name as written ("@" or a quoted name with its
// escapes) and the data as written.
struct ValueLine {
    std::string name;
    std::string data;
};
std::optional<ValueLine> SplitValueLine(std::string_view line);

// A quoted name or string as the editor reads it: "\\", "\"", "\n" and "\r" are escapes,
// another escaped character stands for itself. nullopt without the closing quote, or
// with anything but blanks after it.
std::optional<std::string> Unquote(std::string_view quoted);

// Whether value data is hex data ("hex:" or "hex(N):").
bool IsHexData(std::string_view data);

// Hex data "hex:..." or "hex(N):...": its type token ("hex(2):"), type and bytes.
struct HexData {
    std::string typeToken;
    int type = 3;  // REG_BINARY for plain "hex:"
    std::string bytes;
};
// A number of one to `most` hex digits (at most 8); nullopt for anything else.
std::optional<uint32_t> HexNumber(std::string_view digits, size_t most);
std::optional<HexData> ParseHexData(std::string_view data);

// Joins a hex value's continuation lines (a line ending in a backslash goes on in the
// next, indented line) into one logical line. `next` points at the line after `first`
// and moves past the lines taken.
std::string JoinContinuations(std::string_view first, const std::vector<std::string_view>& lines,
                              size_t& next);

}  // namespace tzp::profiles
