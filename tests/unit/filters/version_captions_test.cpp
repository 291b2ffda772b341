#include <gtest/gtest.h>

#include "filter_pack.h"

namespace tzp {
namespace {

using testing::AddLibrary;
using testing::InstallPath;

struct VersionCaptionsTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override { sys.InstallStandardPack(); }
    void UseLanguageLines(const std::string& lines) {
        sys.files.AddFile("C:\\Pack\\Langs\\en.ini", lines);
    }
};

TEST_F(VersionCaptionsTest, PresentLibraryShowsItsVersionInTheLanguagesWords) {
    AddLibrary(sys, "filtres\\vp7dec.ax", 0x00070000, 0x000A0000);
    UseLanguageLines("022=missing\r\n023=Version\r\n");
    sys.Start();
    EXPECT_EQ(sys.form->Caption("Check12"), "VP7dec (Version 7.0.10.0)");
    EXPECT_TRUE(sys.form->Enabled("Check12"));
}

TEST_F(VersionCaptionsTest, MissingOrVersionlessLibraryIsGreyedWithTheMissingText) {
    // A file without a version resource reads exactly like a missing one.
    sys.files.AddFile(InstallPath("filtres\\ac3filter.ax"), "MZ");
    UseLanguageLines("022=absent\r\n023=version\r\n");
    sys.Start();
    EXPECT_EQ(sys.form->Caption("Check11"), "Ac3filter.ax (absent)");
    EXPECT_FALSE(sys.form->Enabled("Check11"));
    EXPECT_EQ(sys.form->Caption("Check70"), "MadVr (absent)");
    EXPECT_FALSE(sys.form->Enabled("Check70"));
    EXPECT_EQ(sys.form->Caption("Check13"), "Norvi Splitter (absent)");
    EXPECT_EQ(sys.form->Value("Check11"), 0);
}

TEST_F(VersionCaptionsTest, WithoutAnyLanguageFileTheVersionWordsStay) {
    sys.files.Remove("C:\\Pack\\Langs\\en.ini").ok();
    AddLibrary(sys, "filtres\\vp7dec.ax", 0x00070000, 0x000A0000);
    sys.Start();
    EXPECT_EQ(sys.form->Caption("Check12"), "VP7dec (version 7.0.10.0)");
    EXPECT_EQ(sys.form->Caption("Check11"), "Ac3filter.ax (Erreur)");
}

TEST_F(VersionCaptionsTest, ReplacesErreurFirstThenEveryVersionWord) {
    // 022 brings in the word "version", which the second replacement reaches too.
    UseLanguageLines("022=no version found\r\n023=v.\r\n");
    AddLibrary(sys, "filtres\\ffdshow.ax", 0x00010000, 0x00030000);
    sys.Start();
    EXPECT_EQ(sys.form->Caption("Check9"), "RealSplitter (no v. found)");
    EXPECT_EQ(sys.form->Caption("Check6"), "FFDshow (v. 1.0.3.0)");
}

TEST_F(VersionCaptionsTest, EveryCaptionedRowAndThePlayerGetACaption) {
    testing::AddEveryLibrary(sys);
    // The player's relative name starts with a backslash: two in a row, used as is.
    sys.versions.Add("C:\\Install\\\\mpc\\mplayerc.exe", {{0x10002, 0x30004, 1}, {}, {}});
    sys.Start();
    EXPECT_EQ(sys.form->Caption("Label1"), "MPCHC (en 023 1.2.3.4)");
    for (const auto box : filters::CaptionOrder()) {
        const auto& row = filters::Row(box);
        EXPECT_EQ(sys.form->Caption(box), std::string(row.captionPrefix) + "en 023 1.2.3.4)");
        EXPECT_TRUE(sys.form->Enabled(box)) << box;
    }
    // Members keep their fixed captions, and so do the labels under FFDshow's icons.
    EXPECT_EQ(sys.form->Caption("Check2"), "MKV Splitter");
    EXPECT_EQ(sys.form->Caption("Label5"), "Audio");
    EXPECT_EQ(sys.form->Caption("Label55"), "VFW");
    EXPECT_EQ(sys.form->Caption("Label555"), "Video");
}

TEST_F(VersionCaptionsTest, NoInstallationDirectoryGreysEveryRowAndTicksNothing) {
    sys.registry.Delete(*platform::ParseRegName("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\")).ok();
    testing::AddEveryLibrary(sys);
    testing::RegisterClass(sys, "B3DE7EDC-0CD4-4d07-B1C5-92219CD475CC",
                           InstallPath("filtres\\mp4.dll"));
    sys.Start();
    for (const auto box : filters::CaptionOrder()) {
        EXPECT_FALSE(sys.form->Enabled(box)) << box;
    }
    EXPECT_EQ(sys.form->Caption("Label1"), "MPCHC (en 022)");
    EXPECT_EQ(sys.form->Value("Check1"), 0);
    EXPECT_EQ(sys.form->Value("Check13"), 0);
}

}  // namespace
}  // namespace tzp
