#include "platform/reg_number.h"

#include <gtest/gtest.h>

namespace tzp::platform {
namespace {

TEST(RegNumber, ReadsOnlyTheBytesTheValueHas) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view data;
        size_t width;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"\x01\x00\x00\x00"sv, 4, "1"},
        {"\x00\x28\x6B\xEE"sv, 4, "4000000000"},
        {"\x05\x00\x00\x00\xFF"sv, 4, "5"},  // bytes past the width are ignored
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv, 8, "18446744073709551615"},
        // Short values: nothing is read past their end.
        {""sv, 4, std::nullopt},
        {"\x07\x00"sv, 4, std::nullopt},
        {"\x07\x00\x00\x00"sv, 8, std::nullopt},
        {"\x07\x00\x00\x00\x00\x00\x00"sv, 8, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegNumberText(c.data, c.width), c.text) << c.data.size() << "/" << c.width;
    }
}

}  // namespace
}  // namespace tzp::platform
