#pragma once
// What every fuzz target shares: a property check that stops the run with the failed
// condition named, so that libFuzzer keeps the input as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace tzp::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Splits off the first byte of the input, for targets that pick a case with it.
inline uint8_t TakeByte(std::string_view& input) {
    if (input.empty()) {
        return 0;
    }
    const auto byte = static_cast<uint8_t>(input.front());
    input.remove_prefix(1);
    return byte;
}

}  // namespace tzp::fuzz
