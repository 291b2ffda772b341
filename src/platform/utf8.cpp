#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>

namespace tzp::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

}  // namespace

size_t Utf8CharacterEnd(std::string_view utf8, size_t at) {
    size_t end = at + 1;
    while (end < utf8.size() && end < at + 4 &&
           (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return std::min(end, utf8.size());
}

char32_t NextCodePoint(std::string_view utf8, size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const int length = SequenceLength(lead);
    if (length == 0 || at + static_cast<size_t>(length) > utf8.size()) {
        ++at;
        return kReplacement;
    }
    char32_t cp = length == 1 ? lead : (lead & (0x7F >> length));
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++at;
        return kReplacement;
    }
    at += static_cast<size_t>(length);
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        cp = kReplacement;
    }
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::u32string Utf8ToCodePoints(std::string_view utf8) {
    // One code point a byte at most: one allocation, however long the text.
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        out.push_back(NextCodePoint(utf8, at));
    }
    return out;
}

std::string CodePointsToUtf8(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (const char32_t cp : codePoints) {
        AppendUtf8(out, cp);
    }
    return out;
}

}  // namespace tzp::platform
