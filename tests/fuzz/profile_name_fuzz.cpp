// The profile name check: an accepted name holds no reserved or control character, is
// whole UTF-8, is not "." or ".." nor a device name, and names exactly one file in the
// profile folder.
#include <string>

#include "fuzz_check.h"
#include "platform/text.h"
#include "platform/utf8.h"
#include "profiles/profile_name.h"

namespace {

bool IsDevice(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    stem.erase(stem.find_last_not_of(' ') + 1);
    stem = tzp::platform::AsciiUpper(stem);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem == device) {
            return true;
        }
    }
    if (stem.size() < 4 || (!stem.starts_with("COM") && !stem.starts_with("LPT"))) {
        return false;
    }
    const std::string number = stem.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view typed = tzp::fuzz::AsText(data, size);
    for (const std::string& name : {std::string(typed), tzp::platform::AnsiToUtf8(typed)}) {
        if (!tzp::profiles::IsUsableProfileName(name)) {
            continue;
        }
        FUZZ_CHECK(!name.empty() && name != "." && name != "..");
        const std::u32string cps = tzp::platform::Utf8ToCodePoints(name);
        FUZZ_CHECK(tzp::platform::CodePointsToUtf8(cps) == name);
        for (const char32_t cp : cps) {
            FUZZ_CHECK(cp >= 0x20 && !(cp >= 0x7F && cp <= 0x9F) && cp != 0xFFFD);
            FUZZ_CHECK(std::u32string_view(U"\\/:*?\"<>|").find(cp) == std::u32string_view::npos);
        }
        FUZZ_CHECK(!IsDevice(name));
        // "C:\Pack\Sav\" + name + ".sav" stays in the folder: one more path component.
        const std::string path = "C:\\Pack\\Sav\\" + name + ".sav";
        FUZZ_CHECK(path.rfind('\\') == std::string("C:\\Pack\\Sav\\").size() - 1);
    }
    return 0;
}
