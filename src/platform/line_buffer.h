#pragma once
// Bytes as they come down a pipe, taken a line at a time: a line ends with a line feed.
// Both ends of the registration host's channel read with it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tzp::platform {

class LineBuffer {
  public:
    void Append(std::string_view bytes) { pending_.append(bytes); }
    // The next whole line without its line feed, once it has come and is no longer than
    // `maxLength`; the memory of what it took is given back.
    std::optional<std::string> TakeLine(size_t maxLength = std::string::npos);
    // What has come beyond the last line taken.
    size_t Size() const { return pending_.size(); }
    // Forgets what has come, and gives its memory back.
    void Clear() { KeepFrom(pending_.size()); }

  private:
    // After a long line the buffer would keep the room for it otherwise.
    void KeepFrom(size_t from);

    std::string pending_;
};

}  // namespace tzp::platform
