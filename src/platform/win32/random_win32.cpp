#include "platform/win32/random_win32.h"

#include <windows.h>
#include <ntsecapi.h>

#include <vector>

namespace tzp::platform {

bool RandomDigits(size_t bytes, std::wstring& digits) {
    std::vector<unsigned char> random(bytes);
    if (!RtlGenRandom(random.data(), static_cast<ULONG>(random.size()))) {
        return false;
    }
    static constexpr wchar_t kHex[] = L"0123456789abcdef";
    digits.clear();
    for (const unsigned char byte : random) {
        digits += kHex[byte >> 4];
        digits += kHex[byte & 0x0F];
    }
    return true;
}

}  // namespace tzp::platform
