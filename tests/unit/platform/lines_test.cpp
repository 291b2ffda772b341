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

// The pack's files end a line at a carriage return only; registry files at a line feed
// alone too. A CR LF is one end for both, and no reader sees an empty last line.
TEST(IdLines, EachKindOfFileEndsItsLinesWhereItsWriterDoes) {
    using Lines = std::vector<std::string_view>;
    struct Case {
        std::string_view text;
        Lines pack, registry;
    };
    const Case cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c\nd"}, {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}, {"a"}},
        {"\n\n", {"\n\n"}, {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}, {"a", "", "b"}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLineViews(c.text), c.pack) << c.text;
        EXPECT_EQ(SplitLineViews(c.text, LineEnds::kCarriageReturnOrLineFeed), c.registry)
            << c.text;
    }
}

}  // namespace
}  // namespace tzp::platform
