#include <gtest/gtest.h>

#include "fakes/fake_system.h"
#include "lang/lang.h"

namespace tzp {
namespace {

TEST(LangLine, DropsTheIdAndAnySingleSeparator) {
    EXPECT_EQ(lang::FindLangLine("029=Aucun", "029"), "Aucun");
    EXPECT_EQ(lang::FindLangLine("029 Aucun", "029"), "Aucun");
    EXPECT_EQ(lang::FindLangLine("029==Aucun", "029"), "=Aucun");
    EXPECT_EQ(lang::FindLangLine("029=   spaced", "029"), "   spaced");
}

TEST(LangLine, DropsOneWholeSeparatorCharacterOutsideAscii) {
    // The content is UTF-8 by now: "\xC2\xA0" is one no-break space, "\xE2\x80\x94" a dash.
    EXPECT_EQ(lang::FindLangLine("029\xC2\xA0"
                                 "Aucun",
                                 "029"),
              "Aucun");
    EXPECT_EQ(lang::FindLangLine("029\xE2\x80\x94\xC3\xA9t\xC3\xA9", "029"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(lang::FindLangLine("029\xC3\xA9", "029"), "");
}

TEST(LangLine, ComparesOnlyTheFirstThreeCharacters) {
    EXPECT_EQ(lang::FindLangLine("0291=x", "029"), "=x");
    EXPECT_EQ(lang::FindLangLine("02", "02"), "");
    EXPECT_EQ(lang::FindLangLine("; 029=comment\r\n[029]\r\n029=real", "029"), "real");
}

TEST(LangLine, FirstMatchWinsAndAbsentIdsAreEmpty) {
    EXPECT_EQ(lang::FindLangLine("001=first\r\n001=second", "001"), "first");
    EXPECT_EQ(lang::FindLangLine("001=first\r\n", "002"), "");
    EXPECT_EQ(lang::FindLangLine("", "002"), "");
    EXPECT_EQ(lang::FindLangLine("002", "002"), "");
    EXPECT_EQ(lang::FindLangLine("002=", "002"), "");
}

TEST(LangLine, LinesEndAtCarriageReturnsButNotAtLoneLineFeeds) {
    const std::string content = "001=one\r002=two\r\n003=three\nstill three\r\n004=last";
    EXPECT_EQ(lang::FindLangLine(content, "002"), "two");
    EXPECT_EQ(lang::FindLangLine(content, "003"), "three\nstill three");
    EXPECT_EQ(lang::FindLangLine(content, "004"), "last");
    // A line that begins after a lone line feed is not a line of its own.
    EXPECT_EQ(lang::FindLangLine("001=a\n002=b", "002"), "");
}

struct LookupTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override { sys.form->SetText("langg", "fr"); }
};

TEST_F(LookupTest, ReadsTheCurrentLanguageFileAnewEachTime) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=Appliquer\r\n");
    EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Appliquer");
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=Changed\r\n");
    EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Changed");
    sys.form->SetText("langg", "de");
    EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "");
}

TEST_F(LookupTest, InAReadOnceScopeTheFileIsReadOncePerLanguageCode) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=Appliquer\r\n");
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", "009=Apply\r\n");
    {
        const lang::ReadOnceScope scope(sys.app);
        EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Appliquer");
        sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=Changed\r\n");
        EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Appliquer");
        // Another code is another file: never a text of the previous one.
        sys.form->SetText("langg", "en");
        EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Apply");
        EXPECT_EQ(lang::LookupLangStringOr(sys.app, "061", "en", "fr"), "en");
        sys.form->SetText("langg", "de");
        EXPECT_FALSE(lang::HasLanguageFile(sys.app));
        EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "");
        sys.form->SetText("langg", "fr");
        EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "Changed");
        sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=After\r\n");
    }
    // After the scope every lookup reads the file as it is.
    EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "After");
}

TEST_F(LookupTest, AnUnreadableFileIsTreatedAsMissing) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "009=Appliquer\r\n060=from file\r\n");
    sys.files.DenyReads("C:\\Pack\\Langs\\fr.ini");
    EXPECT_FALSE(lang::HasLanguageFile(sys.app));
    EXPECT_EQ(lang::LookupLangString(sys.app, "009"), "");
    EXPECT_EQ(lang::LookupLangStringOr(sys.app, "060", "en", "fr"), "fr");
}

TEST_F(LookupTest, ConvertsTheAnsiFileToUtf8AndHonoursAUtf8Mark) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "001=Propri\xE9t\xE9s\r\n");
    EXPECT_EQ(lang::LookupLangString(sys.app, "001"), "Propri\xC3\xA9t\xC3\xA9s");
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini",
                      "\xEF\xBB\xBF"
                      "001=\xE2\x82\xAC\r\n");
    EXPECT_EQ(lang::LookupLangString(sys.app, "001"), "\xE2\x82\xAC");
}

TEST_F(LookupTest, FallbackTextsFollowTheLanguageWhenTheFileLacksTheId) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "060=from file\r\n");
    EXPECT_EQ(lang::LookupLangStringOr(sys.app, "060", "en", "fr"), "from file");
    EXPECT_EQ(lang::LookupLangStringOr(sys.app, "061", "en", "fr"), "fr");
    sys.form->SetText("langg", "en");
    EXPECT_EQ(lang::LookupLangStringOr(sys.app, "061", "en", "fr"), "en");
}

}  // namespace
}  // namespace tzp

namespace tzp {
namespace {

TEST_F(LookupTest, MessagesSharingACaptionsIdPreferTheirOwnId) {
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "045=Check for updates\r\n080=Load it?\r\n");
    EXPECT_EQ(lang::LookupMessageText(sys.app, lang::kPreviewQuestionId, "045"), "Load it?");
    // An older language file without the message's own id keeps the shared text.
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "045=Shared text\r\n");
    EXPECT_EQ(lang::LookupMessageText(sys.app, lang::kPreviewQuestionId, "045"), "Shared text");
}

}  // namespace
}  // namespace tzp
