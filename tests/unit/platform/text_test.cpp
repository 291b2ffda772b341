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
