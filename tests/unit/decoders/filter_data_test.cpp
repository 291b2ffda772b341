// FilterData blobs of either layout are read; every count and offset is checked against
// the blob, and one that does not fit is named, never read past.
#include <gtest/gtest.h>

#include "decoders/filter_data.h"
#include "decoders_fixture.h"

namespace tzp::testing {
namespace {

std::string Dword(uint32_t value) {
    std::string out;
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>(value >> shift & 0xFF));
    }
    return out;
}

std::string Bytes(const decoders::Guid& guid) {
    return std::string(guid.bytes.begin(), guid.bytes.end());
}

// Version 1: one input pin with a medium count and a category flag that the layout does
// not use (no offsets follow them), one type.
std::string VersionOne() {
    return Dword(1) + Dword(0x600000) + Dword(1) + Dword(0) + "0pi3" + Dword(0) + Dword(0) +
           Dword(1) + Dword(5) + Dword(1) + "0ty3" + Dword(0) + Dword(56) + Dword(72) +
           Bytes(kVideo) + Bytes(kH264);
}

TEST(FilterDataReading, ReadsBothLayoutsAndNamesWhatDoesNotFit) {
    const std::string good =
        fakes::FilterDataBlob(fakes::DecoderData(0x600000, {{kVideo, kH264}, {kAudio, kAac}}));
    std::string badOffset = good;
    badOffset.replace(16 + 24 + 8, 4, Dword(0xFFFFFFF8));  // the first major type's offset
    std::string hugeCount = good;
    hugeCount.replace(16 + 12, 4, Dword(0xFFFFFFFF));  // the pin's type count
    std::string badPin = good;
    badPin[17] = 'x';
    struct {
        const char* what;
        std::string blob;
        const char* fault;  // "" when it reads
        size_t types;
    } const cases[] = {
        {"version 2 as the mapper writes it", good, "", 2},
        {"version 1", VersionOne(), "", 1},
        {"empty", "", "tooShort", 0},
        {"header cut", good.substr(0, 15), "tooShort", 0},
        {"pin cut", good.substr(0, 30), "tooShort", 0},
        {"cut before its GUIDs", good.substr(0, 60), "badOffset", 0},
        {"unknown version", Dword(3) + good.substr(4), "unknownVersion", 0},
        {"offset past the end", badOffset, "badOffset", 0},
        {"a type count beyond the blob", hugeCount, "badType", 0},
        {"a pin without its signature", badPin, "badPin", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = decoders::ParseFilterData(c.blob);
        if (*c.fault == '\0') {
            ASSERT_TRUE(std::holds_alternative<decoders::FilterData>(parsed)) << c.what;
            const auto& data = std::get<decoders::FilterData>(parsed);
            EXPECT_EQ(data.merit, 0x600000u) << c.what;
            ASSERT_EQ(data.pins.size(), 1u) << c.what;
            ASSERT_EQ(data.pins[0].types.size(), c.types) << c.what;
            EXPECT_EQ(data.pins[0].types[0], (decoders::MediaType{kVideo, kH264})) << c.what;
        } else {
            ASSERT_TRUE(std::holds_alternative<decoders::FilterDataFault>(parsed)) << c.what;
            EXPECT_EQ(std::get<decoders::FilterDataFault>(parsed).what, c.fault) << c.what;
        }
    }
}

}  // namespace
}  // namespace tzp::testing
