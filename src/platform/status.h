#pragma once
#include <cstdint>

namespace tzp::platform {

// Win32 error codes that the portable code and the test doubles use by number.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorNotEnoughMemory = 8;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorDiskFull = 112;
inline constexpr uint32_t kErrorBadExeFormat = 193;
inline constexpr uint32_t kErrorTimeout = 1460;

// The result of an operation that can fail: the Win32 error code, 0 on success.
struct [[nodiscard]] Status {
    uint32_t error = 0;
    bool ok() const { return error == 0; }
    static Status Ok() { return {}; }
    static Status Fail(uint32_t code) { return {code == 0 ? kErrorInvalidParameter : code}; }
};

}  // namespace tzp::platform
