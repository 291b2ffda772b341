#include "decoders/format_names.h"

#include <array>
#include <string_view>

namespace tzp::decoders {

namespace {

struct NamedGuid {
    std::string_view guid;
    std::string_view name;
};

// Subtypes that are not made from a FOURCC.
constexpr auto kNamedSubtypes = std::to_array<NamedGuid>({
    {"{E436EB80-524F-11CE-9F53-0020AF0BA770}", "MPEG-1 Packet"},
    {"{E436EB81-524F-11CE-9F53-0020AF0BA770}", "MPEG-1 Video"},
    {"{E436EB84-524F-11CE-9F53-0020AF0BA770}", "MPEG-1 System"},
    {"{E436EB85-524F-11CE-9F53-0020AF0BA770}", "Video CD"},
    {"{E436EB88-524F-11CE-9F53-0020AF0BA770}", "AVI"},
    {"{E436EB8B-524F-11CE-9F53-0020AF0BA770}", "WAVE"},
    {"{3DB80F90-9412-11D1-ADED-0000F8754B99}", "ASF"},
    {"{E06D8022-DB46-11CF-B4D1-00805F6CBBEA}", "MPEG-2 Program Stream"},
    {"{E06D8023-DB46-11CF-B4D1-00805F6CBBEA}", "MPEG-2 Transport Stream"},
    {"{E06D8026-DB46-11CF-B4D1-00805F6CBBEA}", "MPEG-2 Video"},
    {"{E06D802B-DB46-11CF-B4D1-00805F6CBBEA}", "MPEG-2 Audio"},
    {"{E06D802C-DB46-11CF-B4D1-00805F6CBBEA}", "AC-3"},
    {"{E06D802D-DB46-11CF-B4D1-00805F6CBBEA}", "DVD Subpicture"},
    {"{E06D8032-DB46-11CF-B4D1-00805F6CBBEA}", "LPCM"},
    {"{E06D8033-DB46-11CF-B4D1-00805F6CBBEA}", "DTS"},
    {"{87C0B230-03A8-4FDF-8010-B27A5848200D}", "UTF-8 Subtitles"},
});

struct NamedCode {
    uint32_t code;
    std::string_view name;
};

constexpr uint32_t Fourcc(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}

// Video FOURCCs and audio format tags whose common name says more than the code.
constexpr auto kNamedCodes = std::to_array<NamedCode>({
    {Fourcc("H264"), "H.264"},
    {Fourcc("h264"), "H.264"},
    {Fourcc("AVC1"), "H.264"},
    {Fourcc("avc1"), "H.264"},
    {Fourcc("X264"), "H.264"},
    {Fourcc("HEVC"), "HEVC"},
    {Fourcc("H265"), "HEVC"},
    {Fourcc("hvc1"), "HEVC"},
    {Fourcc("MP4V"), "MPEG-4 Video"},
    {Fourcc("mp4v"), "MPEG-4 Video"},
    {Fourcc("XVID"), "MPEG-4 Video"},
    {Fourcc("xvid"), "MPEG-4 Video"},
    {Fourcc("DIVX"), "MPEG-4 Video"},
    {Fourcc("DX50"), "MPEG-4 Video"},
    {Fourcc("FMP4"), "MPEG-4 Video"},
    {Fourcc("WVC1"), "VC-1"},
    {Fourcc("WMV3"), "WMV 9"},
    {Fourcc("VP80"), "VP8"},
    {Fourcc("VP90"), "VP9"},
    {Fourcc("AV01"), "AV1"},
    {Fourcc("MJPG"), "Motion JPEG"},
    {0x0001, "PCM"},
    {0x0003, "PCM Float"},
    {0x0050, "MPEG Audio"},
    {0x0055, "MP3"},
    {0x00FF, "AAC"},
    {0x0160, "WMA"},
    {0x0161, "WMA"},
    {0x0162, "WMA Pro"},
    {0x1600, "AAC"},
    {0x1610, "AAC"},
    {0x2000, "AC-3"},
    {0x2001, "DTS"},
    {0xF1AC, "FLAC"},
});

constexpr std::string_view kFourccTail = "-0000-0010-8000-00AA00389B71}";

bool Printable(uint8_t c) {
    return c >= 0x20 && c < 0x7F;
}

}  // namespace

bool IsFourccGuid(const Guid& guid) {
    return GuidText(guid).ends_with(kFourccTail);
}

std::string FormatName(const MediaType& type) {
    const std::string text = GuidText(type.subtype);
    for (const auto& named : kNamedSubtypes) {
        if (named.guid == text) {
            return std::string(named.name);
        }
    }
    if (!IsFourccGuid(type.subtype)) {
        return text;
    }
    const uint32_t code = type.subtype.Data1();
    for (const auto& named : kNamedCodes) {
        if (named.code == code) {
            return std::string(named.name);
        }
    }
    const auto& b = type.subtype.bytes;
    if (Printable(b[0]) && Printable(b[1]) && Printable(b[2]) && Printable(b[3])) {
        return std::string(reinterpret_cast<const char*>(b.data()), 4);
    }
    return text;
}

}  // namespace tzp::decoders
