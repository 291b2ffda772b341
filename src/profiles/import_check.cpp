#include "profiles/import_check.h"

#include <algorithm>

#include "platform/text.h"
#include "profiles/profile_files.h"
#include "profiles/reg_file.h"

namespace tzp::profiles {

namespace {

// The profile keys are ASCII, so the check matches names with them letter by letter,
// ASCII letters without regard to case (the registry's comparison for ASCII names): a
// name that only the platform's lower-casing would fold into a profile key is refused.
bool IsProfileKeyOrBelow(std::string_view name) {
    for (const std::string_view key : kProfileKeys) {
        if (IsKeyOrBelow(name, key, KeyMatch::kAsciiLetters)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> FindRefusedSection(std::string_view fileBytes) {
    // A file with a UTF-16 mark is read as the editor reads it. Any other file keeps its
    // bytes one for one: the names compared are plain ASCII, which reads the same in
    // every code page and in UTF-8, and in a double-byte code page an ASCII byte after a
    // lead byte cannot end a profile key's name early (the key is refused then, never
    // let through).
    const RegText decoded = DecodeRegFile(fileBytes);
    const bool eightBit =
        decoded.encoding != RegEncoding::kUtf16Le && decoded.encoding != RegEncoding::kUtf16Be;
    const std::string_view text = eightBit ? fileBytes : std::string_view(decoded.text);
    for (const std::string_view line : RegLines(text)) {
        // A NUL ends a line here too, so that no reader that stops at it can find a
        // section this check did not see.
        for (size_t start = 0; start <= line.size();) {
            const size_t nul = std::min(line.find('\0', start), line.size());
            const auto section = ReadAnySection(line.substr(start, nul - start), eightBit);
            if (section && !IsProfileKeyOrBelow(section->name)) {
                return eightBit ? platform::AnsiToUtf8(section->line) : std::string(section->line);
            }
            start = nul + 1;
        }
    }
    return std::nullopt;
}

}  // namespace tzp::profiles
