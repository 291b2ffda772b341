#include "platform/line_buffer.h"

#include <algorithm>

namespace tzp::platform {

std::optional<std::string> LineBuffer::TakeLine(size_t maxLength) {
    const size_t end = pending_.find('\n');
    if (end == std::string::npos || end > maxLength) {
        return std::nullopt;
    }
    std::string line = pending_.substr(0, end);
    KeepFrom(end + 1);
    return line;
}

void LineBuffer::KeepFrom(size_t from) {
    std::string(pending_, std::min(from, pending_.size())).swap(pending_);
}

}  // namespace tzp::platform
