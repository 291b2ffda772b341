#pragma once
#include <string>
#include <string_view>

namespace tzp::platform {

// Code points of UTF-8 text. A malformed sequence becomes one U+FFFD: the bytes that
// begin a character well up to the one that breaks it (an overlong form, a surrogate, a
// cut-off character), or a byte that cannot begin one (a stray continuation byte).
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view codePoints);

// Text read as UTF-8 from outside, made whole: each malformed sequence becomes U+FFFD,
// as above, and whole UTF-8 comes back byte for byte. For the points where bytes that
// claim to be UTF-8 come in, so that everything after them, JSON output included, holds
// whole UTF-8.
std::string ValidUtf8(std::string_view text);

// The same one character at a time, for conversions that need no string of code points:
// the code point that starts at `at` (U+FFFD for a malformed sequence), `at` moved past it;
// and a code point appended as UTF-8 (U+FFFD for one that UTF-8 cannot hold).
char32_t NextCodePoint(std::string_view utf8, size_t& at);
void AppendUtf8(std::string& out, char32_t codePoint);

// Where the character that starts at `at` ends: after its lead byte and the continuation
// bytes that follow it, three at most. The separator of a language or profile line is one
// such character, however many bytes it takes.
size_t Utf8CharacterEnd(std::string_view utf8, size_t at);

}  // namespace tzp::platform
