#pragma once
// The line syntax of registry files ("REGEDIT4" and "Windows Registry Editor Version
// 5.00"), as the registry editor reads it: section lines, value lines, hex data and its
// continuation lines. The export conversion and the comparison of a profile's settings
// with the registry both read lines this way.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzp::profiles {

// The key named by a section line, or nullopt for any other line. The importer takes a
// line that starts with "[" (after blanks) as a key whose name runs to the line's last
// "]", whatever follows it.
std::optional<std::string> SectionName(std::string_view line);

// A value line split at its '=': the name as written ("@" or a quoted name with its
// escapes) and the data as written.
struct ValueLine {
    std::string name;
    std::string data;
};
std::optional<ValueLine> SplitValueLine(std::string_view line);

// Whether value data is hex data ("hex:" or "hex(N):").
bool IsHexData(std::string_view data);

// Hex data "hex:..." or "hex(N):...": its type token ("hex(2):"), type and bytes.
struct HexData {
    std::string typeToken;
    int type = 3;  // REG_BINARY for plain "hex:"
    std::string bytes;
};
int HexDigit(char c);  // -1 for a character that is no hex digit
std::optional<HexData> ParseHexData(std::string_view data);

// Joins a hex value's continuation lines (a line ending in a backslash goes on in the
// next, indented line) into one logical line. `next` points at the line after `first`
// and moves past the lines taken.
std::string JoinContinuations(const std::string& first, const std::vector<std::string>& lines,
                              size_t& next);

}  // namespace tzp::profiles
