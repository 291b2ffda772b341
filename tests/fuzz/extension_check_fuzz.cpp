// The typed-extension check: an accepted extension holds no reserved or control
// character, survives the code page, names exactly one registry key and is one line of
// the personal list that reads back as itself. (A device name is no concern: with its dot
// an extension never names a file or a device.)
#include <string>

#include "assoc/entries.h"
#include "assoc/extension_check.h"
#include "fuzz_check.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view typed = tzp::fuzz::AsText(data, size);
    // Through the code page as well: a hand-edited 8-bit text reaches the check that way.
    for (const std::string& text : {std::string(typed), tzp::platform::AnsiToUtf8(typed)}) {
        const std::string extension = tzp::assoc::NormaliseExtension(text);
        FUZZ_CHECK(extension.starts_with('.'));
        FUZZ_CHECK(tzp::assoc::NormaliseExtension(extension) == extension);
        if (tzp::assoc::IsExeTyped(text)) {
            FUZZ_CHECK(tzp::assoc::IsProgramType(extension));
        }
        if (!tzp::assoc::IsAcceptableExtension(extension)) {
            continue;
        }
        FUZZ_CHECK(extension != "." && extension != "..");
        for (const char32_t cp : tzp::platform::Utf8ToCodePoints(extension)) {
            FUZZ_CHECK(cp >= 0x20 && !(cp >= 0x7F && cp <= 0x9F) && cp != 0xFFFD);
            FUZZ_CHECK(std::u32string_view(U"\\/:*?\"<>|").find(cp) == std::u32string_view::npos);
        }
        FUZZ_CHECK(tzp::platform::AnsiToUtf8(tzp::platform::Utf8ToAnsi(extension)) == extension);
        // One key under HKEY_CLASSES_ROOT, named exactly.
        const auto key = tzp::platform::ParseRegName("HKCR\\" + extension + "\\");
        FUZZ_CHECK(key && key->namesKey && key->key == extension);
        // One entry, one line.
        FUZZ_CHECK(tzp::assoc::ExtensionPart(tzp::assoc::MakeEntry(extension, "x")) == extension);
        const auto lines = tzp::platform::SplitLines(tzp::platform::JoinLinesCrLf({extension}));
        FUZZ_CHECK(lines.size() == 1 && lines[0] == extension);
    }
    return 0;
}
