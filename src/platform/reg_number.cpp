#include "platform/reg_number.h"

#include <cstdint>

namespace tzp::platform {

std::optional<std::string> RegNumberText(std::string_view data, size_t width) {
    if (width > sizeof(uint64_t) || data.size() < width) {
        return std::nullopt;
    }
    uint64_t number = 0;
    for (size_t i = width; i-- > 0;) {
        number = number << 8 | static_cast<unsigned char>(data[i]);
    }
    return std::to_string(number);
}

}  // namespace tzp::platform
