#include "platform/lines.h"

#include "platform/utf8.h"

namespace tzp::platform {

namespace {

// Only the first three characters are compared; the fourth is a separator whatever it
// is, and the text is taken as it stands.
bool BelongsTo(std::string_view line, std::string_view id) {
    return line.size() >= 3 && line.substr(0, 3) == id;
}

}  // namespace

std::string_view TextAfterIdSeparator(std::string_view line) {
    return line.size() > 3 ? line.substr(Utf8CharacterEnd(line, 3)) : std::string_view();
}

std::optional<std::string> FindIdLine(std::string_view content, std::string_view id) {
    while (!content.empty()) {
        const size_t end = content.find('\r');
        const std::string_view line = content.substr(0, end);
        if (BelongsTo(line, id)) {
            return std::string(TextAfterIdSeparator(line));
        }
        if (end == std::string_view::npos) {
            break;
        }
        content.remove_prefix(end + 1);
        if (!content.empty() && content.front() == '\n') {
            content.remove_prefix(1);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindIdLine(const std::vector<std::string_view>& lines,
                                      std::string_view id) {
    for (const std::string_view line : lines) {
        if (BelongsTo(line, id)) {
            return std::string(TextAfterIdSeparator(line));
        }
    }
    return std::nullopt;
}

}  // namespace tzp::platform
