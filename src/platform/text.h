#pragma once
// Text helpers. Inside the program text is UTF-8; the 8-bit files of the pack are in
// the ANSI code page (Windows-1252 in the native build) and are converted at the edges.
#include <string>
#include <string_view>
#include <vector>

namespace tzp::platform {

// Implemented per platform: the ANSI code page on Windows, Windows-1252 elsewhere.
std::string AnsiToUtf8(std::string_view ansi);
// Characters the code page cannot hold become '?'.
std::string Utf8ToAnsi(std::string_view utf8);
// Whether every character of the text survives the trip to the ANSI code page.
bool FitsAnsi(std::string_view utf8);
// Unicode lower-casing as the platform does it (paths and registry names).
std::string UnicodeLower(std::string_view utf8);

// Portable helpers.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);  // Unicode lower-casing

// Without leading, trailing or both spaces and tabs: the blanks a hand-edited file or
// the registry editor may leave around a value.
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

// An 8-bit text file as read from disk, to UTF-8: a file that starts with the UTF-8
// byte-order mark is UTF-8 (the mark is dropped, malformed bytes become U+FFFD), any
// other is in the ANSI code page.
std::string DecodeTextFile(std::string_view bytes);

// Where a line ends. The pack's own files end a line at a carriage return, optionally
// followed by a line feed, and a line feed alone stays in the text; the registry editor
// also ends one at a line feed alone, so its files are read with both.
enum class LineEnds { kCarriageReturn, kCarriageReturnOrLineFeed };

// Splits text into lines the way the pack's files are read (a CR LF is always one line
// end). The last line needs no line end; a final line end does not start an empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into the text, for readers that only look at them.
std::vector<std::string_view> SplitLineViews(std::string_view text,
                                             LineEnds ends = LineEnds::kCarriageReturn);

// Joins lines, each followed by CR LF, as every file we write is laid out.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Replaces every occurrence of `from` in `text` by `to`, scanning left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace tzp::platform
