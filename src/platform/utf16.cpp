#include "platform/utf16.h"

#include <cstdint>

namespace tzp::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u32string Utf16ToCodePoints(std::string_view bytes, ByteOrder order) {
    const bool little = order == ByteOrder::kLittleEndian;
    auto unit = [&](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little ? (second << 8 | first) : (first << 8 | second));
    };
    std::u32string out;
    out.reserve(bytes.size() / 2 + 1);
    size_t i = 0;
    while (i + 1 < bytes.size()) {
        const char32_t first = unit(i);
        i += 2;
        if (IsHighSurrogate(first) && i + 1 < bytes.size() && IsLowSurrogate(unit(i))) {
            out.push_back(0x10000 + ((first - 0xD800) << 10) + (unit(i) - 0xDC00));
            i += 2;
            continue;
        }
        out.push_back(IsHighSurrogate(first) || IsLowSurrogate(first) ? kReplacement : first);
    }
    if (i < bytes.size()) {
        out.push_back(kReplacement);
    }
    return out;
}

std::string CodePointsToUtf16Le(std::u32string_view codePoints) {
    std::string out;
    auto unit = [&](uint32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    };
    for (const char32_t cp : codePoints) {
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? kReplacement : cp);
        }
    }
    return out;
}

MarkedText SplitByteOrderMark(std::string_view bytes) {
    static constexpr struct {
        std::string_view mark;
        TextMark kind;
    } kMarks[] = {
        {"\xEF\xBB\xBF", TextMark::kUtf8},
        {"\xFF\xFE", TextMark::kUtf16Le},
        {"\xFE\xFF", TextMark::kUtf16Be},
    };
    for (const auto& known : kMarks) {
        if (bytes.starts_with(known.mark)) {
            return {known.kind, bytes.substr(known.mark.size())};
        }
    }
    return {TextMark::kNone, bytes};
}

}  // namespace tzp::platform
