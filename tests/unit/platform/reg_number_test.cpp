#include "platform/reg_number.h"

#include <gtest/gtest.h>

namespace tzp::platform {
namespace {

using namespace std::string_view_literals;

TEST(RegNumber, ReadsOnlyTheBytesTheValueHas) {
    EXPECT_EQ(RegNumberText("\x00\x28\x6B\xEE"sv, 4), "4000000000");
    EXPECT_EQ(RegNumberText("\x05\x00\x00\x00\xFF"sv, 4), "5");  // extra bytes are ignored
    EXPECT_EQ(RegNumberText("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv, 8), "18446744073709551615");
    // Short values are malformed: nothing is read past their end.
    const std::pair<std::string_view, size_t> shortValues[] = {
        {""sv, 4}, {"\x07\x00"sv, 4}, {"\x07\x00\x00\x00"sv, 8}, {"\x07\0\0\0\0\0\0"sv, 8}};
    for (const auto& [data, width] : shortValues) {
        EXPECT_EQ(RegNumberText(data, width), std::nullopt) << data.size() << "/" << width;
    }
}

}  // namespace
}  // namespace tzp::platform
