#pragma once
// The pack's "id and text" lines, as its language files and profile state files hold
// them: a line belongs to an id when its first three characters are the id, and its text
// is what follows the id and one separator character, whatever that character is. A
// line ends at a carriage return, optionally followed by a line feed (SplitLineViews).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tzp::platform {

// The text of a line after its three-character id and one separator. The text is UTF-8
// by now, so a separator outside ASCII is several bytes, and all of them go. A line of
// the id alone, or of the id and the separator, has no text.
std::string_view TextAfterIdSeparator(std::string_view line);

// The text of the first line that belongs to the id; nullopt when none does. The content
// is walked without copying it; only the text found is.
std::optional<std::string> FindIdLine(std::string_view content, std::string_view id);
// The same over lines already split, for a reader of many ids.
std::optional<std::string> FindIdLine(const std::vector<std::string_view>& lines,
                                      std::string_view id);

}  // namespace tzp::platform
