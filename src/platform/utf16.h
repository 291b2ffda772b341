#pragma once
// UTF-16 text as the registry stores it and the registry editor exports it, and the
// byte-order marks that tell a file's encoding.
#include <string>
#include <string_view>

namespace tzp::platform {

enum class ByteOrder { kLittleEndian, kBigEndian };

// UTF-16 code units to code points; a surrogate pair is one code point, a lone
// surrogate or an odd last byte becomes U+FFFD.
std::u32string Utf16ToCodePoints(std::string_view bytes, ByteOrder order);
// The registry's strings are little-endian.
inline std::u32string Utf16LeToCodePoints(std::string_view bytes) {
    return Utf16ToCodePoints(bytes, ByteOrder::kLittleEndian);
}
// Code points to UTF-16LE bytes, without a terminator.
std::string CodePointsToUtf16Le(std::u32string_view codePoints);

// The encoding a file's byte-order mark names, and the bytes after the mark.
enum class TextMark { kNone, kUtf8, kUtf16Le, kUtf16Be };
struct MarkedText {
    TextMark mark;
    std::string_view body;  // the whole file when it has no mark
};
MarkedText SplitByteOrderMark(std::string_view bytes);

}  // namespace tzp::platform
