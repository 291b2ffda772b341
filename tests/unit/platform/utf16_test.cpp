#include <gtest/gtest.h>

#include "platform/utf16.h"

namespace tzp::platform {
namespace {

TEST(Utf16, DecodesBothByteOrdersAlike) {
    struct Case {
        std::string_view little;
        std::u32string_view points;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"A\0\xE9\0"sv, U"A\u00E9"},
        {"\x3D\xD8\x00\xDE"sv, U"\U0001F600"},  // a surrogate pair
        {"\x3D\xD8"
         "A\0"sv,
         U"\uFFFDA"},               // a high surrogate alone
        {"\x00\xDE"sv, U"\uFFFD"},  // a low surrogate alone
        {"\x3D\xD8"sv, U"\uFFFD"},  // a pair cut short
        {"A\0B"sv, U"A\uFFFD"},     // an odd last byte
        {""sv, U""},
    };
    for (const Case& c : cases) {
        std::string big(c.little);
        for (size_t i = 0; i + 1 < big.size(); i += 2) {
            std::swap(big[i], big[i + 1]);
        }
        EXPECT_EQ(Utf16ToCodePoints(c.little, ByteOrder::kLittleEndian), c.points);
        EXPECT_EQ(Utf16ToCodePoints(big, ByteOrder::kBigEndian), c.points);
    }
    EXPECT_EQ(CodePointsToUtf16Le(U"A\U0001F600"), std::string("A\0\x3D\xD8\x00\xDE", 6));
}

TEST(ByteOrderMark, NamesTheEncodingAndSplitsItOff) {
    const std::pair<std::string_view, TextMark> cases[] = {
        {"\xEF\xBB\xBFx", TextMark::kUtf8}, {"\xFF\xFEx", TextMark::kUtf16Le},
        {"\xFE\xFFx", TextMark::kUtf16Be},  {"x", TextMark::kNone},
        {"\xEF\xBBx", TextMark::kNone},
    };
    for (const auto& [bytes, mark] : cases) {
        const MarkedText marked = SplitByteOrderMark(bytes);
        EXPECT_EQ(marked.mark, mark) << bytes;
        EXPECT_EQ(marked.body, mark == TextMark::kNone ? bytes : "x") << bytes;
    }
}

}  // namespace
}  // namespace tzp::platform
