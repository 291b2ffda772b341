#include "assoc/extension_check.h"

#include <array>

#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::assoc {

namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

constexpr std::array<std::string_view, 8> kProgramTypes = {
    ".exe", ".com", ".bat", ".cmd", ".scr", ".pif", ".lnk", ".msi",
};

// C0 and C1 control characters and DEL: a C1 character may arrive typed or through the
// code page (the bytes Windows-1252 leaves unused), and would end up in a registry key.
bool HasControlCharacter(std::string_view text) {
    for (const char32_t cp : platform::Utf8ToCodePoints(text)) {
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string NormaliseExtension(std::string_view typed) {
    if (typed.starts_with('.')) {
        typed.remove_prefix(1);
    }
    std::string extension = ".";
    extension += typed;
    return extension;
}

bool IsExeTyped(std::string_view typed) {
    const std::string lower = platform::UnicodeLower(typed);
    return lower == ".exe" || lower == "exe";
}

bool IsAcceptableExtension(std::string_view extension) {
    if (!extension.starts_with('.') || extension == "." || extension == "..") {
        return false;
    }
    const std::string_view letters = extension.substr(1);
    return letters.find_first_of(kForbiddenCharacters) == std::string_view::npos &&
           !HasControlCharacter(extension) && extension.find(" (") == std::string_view::npos &&
           platform::FitsAnsi(extension);
}

bool IsProgramType(std::string_view extension) {
    const std::string lower = platform::UnicodeLower(extension);
    for (const auto type : kProgramTypes) {
        if (lower == type) {
            return true;
        }
    }
    return false;
}

}  // namespace tzp::assoc
