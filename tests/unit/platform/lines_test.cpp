#include <gtest/gtest.h>

#include "platform/lines.h"
#include "platform/text.h"

namespace tzp::platform {
namespace {

// The language files and the profile state files read their lines through these two
// walks; whatever the file holds, both must give the same text, short lines included.
TEST(IdLines, BothWalksAgreeOnEveryLineShape) {
    struct Case {
        std::string_view content;
        std::optional<std::string_view> text;
    };
    const Case cases[] = {
        {"013", ""},          // the id alone
        {"013 ", ""},         // the id and the separator
        {"013\xC3", ""},      // a separator cut short
        {"013\xC3\xA9", ""},  // a separator of two bytes and nothing after it
        {"013 1", "1"},
        {"013\xE2\x80\x83x", "x"},      // a separator of three bytes
        {"01\r\n013=a\r\n013=b", "a"},  // too short a line is no line of the id
        {"0131", ""},
        {"0130 2", " 2"},
        {"x\n013 1\r\n", std::nullopt},  // a lone line feed starts no line
        {"x\r013 1", "1"},
        {"", std::nullopt},
        {"01", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindIdLine(c.content, "013"), c.text) << c.content;
        EXPECT_EQ(FindIdLine(SplitLineViews(c.content), "013"), c.text) << c.content;
    }
}

}  // namespace
}  // namespace tzp::platform
