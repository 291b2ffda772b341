#include "profiles/import_check.h"

#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {

namespace {

bool IsWide(platform::TextMark mark) {
    return mark == platform::TextMark::kUtf16Le || mark == platform::TextMark::kUtf16Be;
}

// The file as code points. 8-bit text keeps its bytes one to one: the names compared
// are plain ASCII, which reads the same in every code page and in UTF-8, and in a
// double-byte code page an ASCII byte after a lead byte cannot end a profile key's
// name early (the key is refused then, never let through). A file with a UTF-16 mark
// is read as the editor reads it; an odd last byte is no character there, and is left
// out. A key name is only compared with ASCII names, so
// any character outside ASCII refuses a name the same way, a surrogate pair or not.
std::u32string Decode(std::string_view bytes) {
    const platform::MarkedText marked = platform::SplitByteOrderMark(bytes);
    if (IsWide(marked.mark)) {
        const std::string_view units = marked.body.substr(0, marked.body.size() & ~size_t{1});
        return platform::Utf16ToCodePoints(units, marked.mark == platform::TextMark::kUtf16Be
                                                      ? platform::ByteOrder::kBigEndian
                                                      : platform::ByteOrder::kLittleEndian);
    }
    std::u32string out;
    for (const char byte : bytes) {
        out.push_back(static_cast<unsigned char>(byte));
    }
    return out;
}

// Blanks the editor might skip before a line's first character: every control
// character and space, and the other spaces of Unicode and of the 8-bit code pages.
bool IsBlank(char32_t c) {
    return c <= 0x20 || c == 0x7F || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

char32_t AsciiLower(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The registry compares names without regard to case; the profile keys are ASCII, so
// letter by letter ASCII folding is that comparison for them. Any other character
// where a profile key has an ASCII one names another key, and is refused.
bool IsProfileKeyOrBelow(std::u32string_view name) {
    for (const std::string_view key : kProfileKeys) {
        if (name.size() < key.size() || (name.size() > key.size() && name[key.size()] != '\\')) {
            continue;
        }
        bool same = true;
        for (size_t i = 0; i < key.size() && same; ++i) {
            same = AsciiLower(name[i]) == AsciiLower(static_cast<unsigned char>(key[i]));
        }
        if (same) {
            return true;
        }
    }
    return false;
}

std::string ToUtf8(std::u32string_view text, bool wide) {
    if (wide) {
        return platform::CodePointsToUtf8(text);
    }
    std::string bytes;
    for (const char32_t c : text) {
        bytes.push_back(static_cast<char>(c));
    }
    return platform::AnsiToUtf8(bytes);
}

}  // namespace

std::optional<std::string> FindRefusedSection(std::string_view fileBytes) {
    static constexpr std::u32string_view kLineEnds(U"\r\n\0", 3);
    const std::u32string text = Decode(fileBytes);
    const bool wide = IsWide(platform::SplitByteOrderMark(fileBytes).mark);
    // Lines end at CR or LF; a NUL ends one too, so that no reader that stops at it
    // can find a section this check did not see.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(kLineEnds, start);
        if (end == std::u32string::npos) {
            end = text.size();
        }
        std::u32string_view line(text.data() + start, end - start);
        start = end + 1;
        while (!line.empty() && IsBlank(line.front())) {
            line.remove_prefix(1);
        }
        if (!line.starts_with(U'[')) {
            continue;
        }
        while (!line.empty() && IsBlank(line.back())) {
            line.remove_suffix(1);
        }
        // "[key]" writes the key, "[-key]" deletes it; the name ends at the last ']'.
        std::u32string_view name = line.substr(line.starts_with(U"[-") ? 2 : 1);
        if (const size_t close = name.rfind(U']'); close != std::u32string_view::npos) {
            name = name.substr(0, close);
        }
        if (!IsProfileKeyOrBelow(name)) {
            return ToUtf8(line, wide);
        }
    }
    return std::nullopt;
}

}  // namespace tzp::profiles
