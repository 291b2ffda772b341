#include <gtest/gtest.h>

#include "platform/text.h"

namespace tzp::platform {
namespace {

TEST(SplitLines, EndsLinesAtCrOrCrLfOnly) {
    EXPECT_EQ(SplitLines("a\r\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\nb\r\n"), (std::vector<std::string>{"a\nb"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(JoinLinesCrLf, EndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(Codepage, Windows1252RoundTripsAndMarksWhatItCannotHold) {
    const std::string ansi = "caf\xE9 \x80 \x9C";
    const std::string utf8 = AnsiToUtf8(ansi);
    EXPECT_EQ(utf8, "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93");
    EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
    EXPECT_TRUE(FitsAnsi(utf8));
    EXPECT_FALSE(FitsAnsi("\xE4\xB8\xAD"));
    EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD"), "a?");
}

TEST(DecodeTextFile, Utf8WithAMarkAndAnsiWithout) {
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF\xC3\xA9"), "\xC3\xA9");
    EXPECT_EQ(DecodeTextFile("\xE9"), "\xC3\xA9");
}

TEST(DecodeTextFile, MalformedUtf8BecomesOneReplacementASequenceAndWholeUtf8StaysAsItIs) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        const char* what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"two, three and four bytes, U+FFFD itself, the ends of the ranges",
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD \xED\x9F\xBF\xEE\x80\x80"
         "\xF4\x8F\xBF\xBF",
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD \xED\x9F\xBF\xEE\x80\x80"
         "\xF4\x8F\xBF\xBF"},
        {"overlong forms", "\xC0\xAF|\xC1\xBF|\xE0\x80\xAF|\xF0\x8F\xBF\xBF",
         r + r + "|" + r + r + "|" + r + r + r + "|" + r + r + r + r},
        {"surrogates", "\xED\xA0\x80\xED\xBF\xBF", r + r + r + r + r + r},
        {"past U+10FFFF", "\xF4\x90\x80\x80|\xF5\x80|\xFF", r + r + r + r + "|" + r + r + "|" + r},
        {"cut off, at the end and before another character",
         "a\xE2\x82|\xF0\x9F\x98\xF0\x9F\x98\x80|\xC3"
         "a|\xF0\x9F\x98",
         "a" + r + "|" + r + "\xF0\x9F\x98\x80|" + r + "a|" + r},
        {"stray continuation bytes", "\x80"
         "a\xBF\xC3\xA9\xA9", r + "a" + r + "\xC3\xA9" + r},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" + c.bytes), c.text) << c.what;
    }
}

TEST(TrimBlanks, DropsSpacesAndTabsOnlyAtTheChosenEnds) {
    EXPECT_EQ(TrimBlanks(" \t1 \t"), "1");
    EXPECT_EQ(TrimLeadingBlanks(" \t1 \t"), "1 \t");
    EXPECT_EQ(TrimTrailingBlanks(" \t1 \t"), " \t1");
    EXPECT_EQ(TrimBlanks("\xC2\xA0"
                         "1\r\n"),
              "\xC2\xA0"
              "1\r\n");
    EXPECT_EQ(TrimBlanks(" \t "), "");
}

TEST(UnicodeLower, LowersBeyondAscii) {
    EXPECT_EQ(UnicodeLower("C:\\PROGRAM FILES\\\xC3\x89T\xC3\x89\\A.AX"),
              "c:\\program files\\\xC3\xA9t\xC3\xA9\\a.ax");
    EXPECT_TRUE(EqualsNoCase("\xD0\x9F\xD0\xB0\xD0\xBA", "\xD0\xBF\xD0\xB0\xD0\xBA"));
    EXPECT_FALSE(EqualsNoCase("a.ax", "a.ax "));
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
    EXPECT_EQ(ReplaceAll("Erreur Erreur", "Erreur", "x"), "x x");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace tzp::platform
