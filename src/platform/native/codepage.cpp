// The native build stands in for the ANSI code page with Windows-1252, the code page
// of the pack's language files, and for the platform's lower-casing with the Latin,
// Greek and Cyrillic ranges, which covers every name the tests use.
#include <array>

#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::platform {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves unused.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t cp = kHighControls[byte - 0x80];
        return cp == 0 ? byte : cp;
    }
    return byte;
}

// The byte for a code point, or -1 when Windows-1252 cannot hold it.
int EncodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp || (kHighControls[i] == 0 && cp == 0x80 + i)) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

char32_t LowerCodePoint(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
        return cp + 32;
    if (cp >= 0x100 && cp <= 0x17F && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149 &&
        cp != 0x17F) {
        const bool evenUpper = (cp < 0x138) || (cp > 0x149 && cp < 0x178);
        if (evenUpper ? (cp % 2 == 0) : (cp % 2 == 1))
            return cp + 1;
        return cp;
    }
    if (cp == 0x178)
        return 0xFF;
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2)
        return cp + 32;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 32;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 80;
    return cp;
}

// Most text the program handles (paths, registry names, ids) is ASCII, which every
// conversion below leaves as it is: such text skips the decoding.
bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
    if (IsAscii(ansi)) {
        return std::string(ansi);
    }
    std::string utf8;
    utf8.reserve(ansi.size());
    for (const char c : ansi) {
        AppendUtf8(utf8, DecodeByte(static_cast<unsigned char>(c)));
    }
    return utf8;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const int byte = EncodeCodePoint(NextCodePoint(utf8, at));
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return out;
}

bool FitsAnsi(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return true;
    }
    for (size_t at = 0; at < utf8.size();) {
        if (EncodeCodePoint(NextCodePoint(utf8, at)) < 0) {
            return false;
        }
    }
    return true;
}

std::string UnicodeLower(std::string_view utf8) {
    if (IsAscii(utf8)) {
        std::string lower(utf8);
        for (char& c : lower) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c + 32);
            }
        }
        return lower;
    }
    std::string lower;
    lower.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        AppendUtf8(lower, LowerCodePoint(NextCodePoint(utf8, at)));
    }
    return lower;
}

}  // namespace tzp::platform
