#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>
#include <utility>

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

// The bytes that may follow a lead byte: fewer than 80 to BF after the leads that would
// otherwise start an overlong form, a surrogate or a code point past U+10FFFF.
std::pair<unsigned char, unsigned char> SecondByteRange(unsigned char lead) {
    switch (lead) {
        case 0xE0:
            return {0xA0, 0xBF};
        case 0xED:
            return {0x80, 0x9F};
        case 0xF0:
            return {0x90, 0xBF};
        case 0xF4:
            return {0x80, 0x8F};
        default:
            return {0x80, 0xBF};
    }
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
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    const int length = SequenceLength(lead);
    if (length <= 1) {
        return length == 1 ? lead : kReplacement;
    }
    char32_t cp = lead & (0x7F >> length);
    auto [low, high] = SecondByteRange(lead);
    for (int k = 1; k < length; ++k, ++at) {
        const auto next = at < utf8.size() ? static_cast<unsigned char>(utf8[at]) : 0;
        if (next < low || next > high) {
            // What began the character well is one replacement (Unicode's "maximal
            // subpart"); the byte that broke it starts the next character.
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
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

std::string ValidUtf8(std::string_view text) {
    // UTF-8 has one form for each code point, and the decoder takes no other: a whole
    // character is appended as the bytes it came as.
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        AppendUtf8(out, NextCodePoint(text, at));
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
