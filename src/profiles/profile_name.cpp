#include "profiles/profile_name.h"

#include <array>
#include <string>

#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::profiles {

namespace {

bool IsForbiddenCharacter(char32_t cp) {
    constexpr std::u32string_view kReserved = U"\\/:*?\"<>|";
    // C0 and C1 control characters, DEL included.
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || kReserved.find(cp) != kReserved.npos;
}

// Windows reaches a device for these names whatever follows the first dot, and
// ignores spaces before that dot.
bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    stem = platform::AsciiUpper(stem);
    constexpr std::array<std::string_view, 6> kPlain{"CON", "PRN",    "AUX",
                                                     "NUL", "CONIN$", "CONOUT$"};
    for (const auto device : kPlain) {
        if (stem == device) {
            return true;
        }
    }
    if (stem.size() < 4 || (stem.substr(0, 3) != "COM" && stem.substr(0, 3) != "LPT")) {
        return false;
    }
    const std::string_view number = std::string_view(stem).substr(3);
    // COM0 to COM9, and the superscript digits that Windows also treats as ports.
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

bool IsUsableProfileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (const char32_t cp : platform::Utf8ToCodePoints(name)) {
        // U+FFFD stands for bytes that are not UTF-8: no file name to trust.
        if (IsForbiddenCharacter(cp) || cp == 0xFFFD) {
            return false;
        }
    }
    return !IsDeviceName(name);
}

}  // namespace tzp::profiles
