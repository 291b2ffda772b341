#include "platform/self_registration.h"

namespace tzp::platform {

namespace {

uint32_t ReadLittleEndian(std::string_view bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

}  // namespace

int LibraryBitsFromHeader(std::string_view bytes) {
    // The DOS header starts "MZ" and holds at 0x3C where the PE header starts: "PE\0\0",
    // then the machine the code was built for.
    constexpr size_t kPeOffsetAt = 0x3C;
    if (bytes.size() < kPeOffsetAt + 4 || bytes.substr(0, 2) != "MZ") {
        return 0;
    }
    const size_t pe = ReadLittleEndian(bytes, kPeOffsetAt, 4);
    if (pe > bytes.size() || bytes.size() - pe < 6 ||
        bytes.substr(pe, 4) != std::string_view("PE\0\0", 4)) {
        return 0;
    }
    switch (ReadLittleEndian(bytes, pe + 4, 2)) {
        case 0x014C:  // x86
        case 0x01C4:  // ARM (Thumb-2)
            return 32;
        case 0x8664:  // x64
        case 0xAA64:  // ARM64
            return 64;
        default:
            return 0;
    }
}

}  // namespace tzp::platform
