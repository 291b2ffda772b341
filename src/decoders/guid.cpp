#include "decoders/guid.h"

namespace tzp::decoders {

namespace {

// Where each byte's two hex digits stand in "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", in
// memory order: the first three fields are stored least significant byte first.
constexpr std::array<size_t, 16> kDigitAt = {6,  4,  2,  0,  11, 9,  16, 14,
                                             19, 21, 24, 26, 28, 30, 32, 34};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

uint32_t Guid::Data1() const {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::optional<Guid> ParseGuid(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') {
        text = text.substr(1, 36);
    }
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-') {
        return std::nullopt;
    }
    Guid guid;
    for (size_t i = 0; i < 16; ++i) {
        const int high = HexDigit(text[kDigitAt[i]]);
        const int low = HexDigit(text[kDigitAt[i] + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        guid.bytes[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return guid;
}

std::string GuidText(const Guid& guid) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    for (size_t i = 0; i < 16; ++i) {
        text[kDigitAt[i] + 1] = kHex[guid.bytes[i] >> 4];
        text[kDigitAt[i] + 2] = kHex[guid.bytes[i] & 15];
    }
    return text;
}

Guid GuidFromBytes(std::string_view bytes) {
    Guid guid;
    for (size_t i = 0; i < guid.bytes.size() && i < bytes.size(); ++i) {
        guid.bytes[i] = static_cast<uint8_t>(bytes[i]);
    }
    return guid;
}

}  // namespace tzp::decoders
