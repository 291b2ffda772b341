#pragma once
#include <string>
#include <string_view>

namespace tzp::platform {

// Code points of UTF-8 text; malformed bytes become U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view codePoints);

}  // namespace tzp::platform
