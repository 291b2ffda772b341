#pragma once
// Names nobody can guess, from the system's random generator.
#include <cstddef>
#include <string>

namespace tzp::platform {

// `bytes` random bytes as lower-case hexadecimal digits; false when the system's
// generator failed.
bool RandomDigits(size_t bytes, std::wstring& digits);

}  // namespace tzp::platform
