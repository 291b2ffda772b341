#pragma once
// The text of a numeric registry value (REG_DWORD, REG_QWORD) from its stored bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tzp::platform {

// The little-endian number of `width` bytes (4 or 8) that `data` holds, as decimal
// digits. A value stored with fewer bytes is malformed and reads as absent; bytes past
// the width are ignored.
std::optional<std::string> RegNumberText(std::string_view data, size_t width);

}  // namespace tzp::platform
