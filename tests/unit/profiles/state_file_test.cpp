#include <gtest/gtest.h>

#include "fakes/fake_system.h"
#include "lang/lang.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"

namespace tzp::profiles {
namespace {

TEST(StateFile, HoldsNineteenLinesInTableOrder) {
    fakes::FakeSystem sys;
    sys.form->SetValueQuietly("Check6", 1);
    sys.form->SetValueQuietly("Check13", 1);
    EXPECT_EQ(BuildStateFile(*sys.form),
              "001 0\r\n002 0\r\n003 0\r\n004 0\r\n005 0\r\n006 1\r\n009 0\r\n010 0\r\n"
              "011 0\r\n012 0\r\n013 1\r\n014 0\r\n015 0\r\n016 0\r\n017 0\r\n018 0\r\n"
              "019 0\r\n020 0\r\n070 0\r\n");

    sys.form->SetValueQuietly("Check1", 1);
    sys.form->SetValueQuietly("Check70", 2);
    const std::string withMore = BuildStateFile(*sys.form);
    EXPECT_EQ(withMore.substr(0, 7), "001 1\r\n");
    EXPECT_EQ(withMore.substr(withMore.size() - 7), "070 2\r\n");
}

TEST(StateFile, ReadsBoxStatesAsWholeNumbersFromZeroToTwo) {
    EXPECT_EQ(ParseBoxState("0"), 0);
    EXPECT_EQ(ParseBoxState("1"), 1);
    EXPECT_EQ(ParseBoxState("2"), 2);
    EXPECT_EQ(ParseBoxState(" 1 "), 1);
    EXPECT_EQ(ParseBoxState("1.9"), 1);
    EXPECT_EQ(ParseBoxState("001"), 1);
    for (const char* other : {"", " ", "3", "10", "-1", "x", "1x", "1.x", ".5", "one"}) {
        EXPECT_EQ(ParseBoxState(other), std::nullopt) << other;
    }
}

struct ReadProfileValueTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override {
        sys.InstallStandardPack();
        sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", "001 0\r\n013 1\r\n006\r\n013 0\r\n01\r\n");
        sys.form->SetText("Combo1", "Films");
    }
};

TEST_F(ReadProfileValueTest, ReadsTheNamedProfilesFileInAnyLetterCase) {
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "1");  // the first line of the id
    EXPECT_EQ(ReadProfileValue(sys.app, "070"), "");
    EXPECT_EQ(ReadProfileValue(sys.app, "006"), "");  // a line of three characters
    EXPECT_EQ(ReadProfileValue(sys.app, "01"), "");   // ids are three characters
    // The folder written as "\Sav\" is the one read as "\sav\", whatever the case.
    sys.form->SetText("Combo1", "FILMS");
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "1");
}

TEST_F(ReadProfileValueTest, AMissingOrUnusableFileReadsAsEmpty) {
    sys.form->SetText("Combo1", "Other");
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "");
    sys.files.AddFile("C:\\Pack\\Langs\\x.sav", "013 1\r\n");
    sys.form->SetText("Combo1", "..\\Langs\\x");
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "");
}

TEST_F(ReadProfileValueTest, ReadsAFileWithAUtf8MarkAsUtf8) {
    sys.files.AddFile("C:\\Pack\\Sav\\Films.sav",
                      "\xEF\xBB\xBF"
                      "013 1\r\n");
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "1");
}

TEST(StateFile, TheSeparatorIsOneCharacterHoweverManyBytesItTakes) {
    const std::pair<const char*, const char*> cases[] = {
        {"013 1", "1"},
        {"013\xC2\xA0"
         "1",
         "1"},  // no-break space
        {"013\xE2\x80\x83"
         "1 x",
         "1 x"},                                      // em space
        {"013\xF0\x9F\x98\x80\xC3\xA9", "\xC3\xA9"},  // outside the BMP
        {"013\xC2\xA0", ""},
        {"013\xC2", ""},
        // A run of stray continuation bytes is no one character: three at most go with the
        // lead, the rest stays (and is no state), as the language lookup has it too.
        {"013\x83\x83\x83\x83\x83 1", "\x83 1"},
    };
    for (const auto& [line, value] : cases) {
        EXPECT_EQ(FindStateValue(line, "013"), value) << line;
        EXPECT_EQ(lang::FindLangLine(line, "013"), value) << line;
    }
}

TEST_F(ReadProfileValueTest, AnAnsiSeparatorOutsideAsciiLeavesTheValueWhole) {
    sys.files.AddFile("C:\\Pack\\Sav\\Films.sav",
                      "013\xA0"
                      "1\r\n");
    EXPECT_EQ(ReadProfileValue(sys.app, "013"), "1");
}

}  // namespace
}  // namespace tzp::profiles
