#include <gtest/gtest.h>

#include "fakes/fake_system.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

struct StartupTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override { sys.InstallStandardPack(); }
};

TEST_F(StartupTest, TakesTheRegistryLanguageWhenItsFileExists) {
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "fr");
    sys.Start();
    EXPECT_EQ(sys.form->Text("langg"), "fr");
    EXPECT_EQ(sys.form->Caption("Command3"), "fr 009");
    EXPECT_EQ(sys.form->Entries("TabStrip1")[1].text, "fr 002");
}

TEST_F(StartupTest, FallsBackToEnglishForAMissingLanguageFileOrValue) {
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "xx");
    sys.Start();
    EXPECT_EQ(sys.form->Text("langg"), "en");
    EXPECT_EQ(sys.form->Caption("Command3"), "en 009");

    fakes::FakeSystem bare;
    bare.InstallStandardPack();
    bare.registry.Delete(*platform::ParseRegName("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang"))
        .ok();
    bare.Start();
    EXPECT_EQ(bare.form->Text("langg"), "en");
}

TEST_F(StartupTest, KeepsTheBuiltInCaptionsWhenNoLanguageFileExistsAtAll) {
    sys.files.Remove("C:\\Pack\\Langs\\en.ini").ok();
    sys.Start();
    EXPECT_EQ(sys.form->Text("langg"), "en");
    EXPECT_EQ(sys.form->Caption("Command3"), "Appliquer");
    EXPECT_EQ(sys.form->Entries("TabStrip1")[0].text, "Filtres");
}

TEST_F(StartupTest, AnUnreadableLanguageFileCountsAsMissing) {
    // It exists, so the code stays, but nothing in it can be used: the built-in
    // captions stay, version words included, instead of all going blank.
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "fr");
    sys.files.DenyReads("C:\\Pack\\Langs\\fr.ini");
    sys.Start();
    EXPECT_EQ(sys.form->Text("langg"), "fr");
    EXPECT_EQ(sys.form->Caption("Command3"), "Appliquer");
    EXPECT_EQ(sys.form->Entries("TabStrip1")[0].text, "Filtres");
    EXPECT_EQ(sys.form->Caption("Label1"), "MPCHC (Erreur)");
}

TEST_F(StartupTest, AnIdMissingFromTheFileGivesAnEmptyCaption) {
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", "001=Filters\r\n");
    sys.Start();
    EXPECT_EQ(sys.form->Entries("TabStrip1")[0].text, "Filters");
    EXPECT_EQ(sys.form->Caption("Command3"), "");
    // Captions that never come from the language file stay.
    EXPECT_EQ(sys.form->Caption("Label555"), "Video");
}

TEST_F(StartupTest, SetsEveryCaptionFromItsId) {
    sys.Start();
    const std::pair<const char*, const char*> expected[] = {
        {"Frame6", "004"},   {"Frame5", "005"},   {"Frame7", "024"},   {"Command1", "007"},
        {"Command2", "008"}, {"Frame8", "025"},   {"Frame9", "026"},   {"Frame11", "027"},
        {"Frame10", "028"},  {"Command6", "013"}, {"Command8", "014"}, {"Command4", "010"},
        {"Command5", "011"}, {"Command7", "012"}, {"Command9", "045"}, {"Command10", "046"},
        {"Frame13", "036"},  {"Label2", "042"},   {"Label3", "998"},   {"Label4", "049"},
        {"Label6", "050"},   {"Label7", "051"},   {"Label8", "052"},   {"Label9", "053"},
        {"Label10", "054"},  {"Label11", "055"},  {"Label12", "997"},  {"Label13", "056"},
        {"Label14", "057"},  {"Label15", "058"},  {"Label17", "059"},  {"Label16", "006"},
    };
    for (const auto& [control, id] : expected) {
        EXPECT_EQ(sys.form->Caption(control), std::string("en ") + id) << control;
    }
}

TEST_F(StartupTest, ReadsTheInstallationDirectoryWithATrailingBackslash) {
    sys.Start();
    EXPECT_EQ(sys.form->Text("filterpath"), "C:\\Install\\");
    EXPECT_EQ(sys.form->Text("errr"), "en 029");

    fakes::FakeSystem noInstall;
    noInstall.InstallStandardPack();
    noInstall.registry.Delete(*platform::ParseRegName("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\"))
        .ok();
    noInstall.Start();
    EXPECT_EQ(noInstall.form->Text("filterpath"), "Erreur\\");
}

TEST_F(StartupTest, SelectsTheFiltersTabAndClearsPendingChanges) {
    sys.Start();
    EXPECT_EQ(sys.form->Value("TabStrip1"), 1);
    EXPECT_EQ(sys.form->Value("ischange"), 0);
    EXPECT_TRUE(sys.ui.log.empty()) << "start-up shows nothing";
}

TEST_F(StartupTest, ListsTheProfilesByNameWithoutTheirExtension) {
    sys.files.AddFile("C:\\Pack\\Sav\\b.sav", "");
    sys.files.AddFile("C:\\Pack\\Sav\\a.b.sav", "");
    sys.files.AddFile("C:\\Pack\\Sav\\A.reg", "");
    sys.files.AddFile("C:\\Pack\\Sav\\Zed.SAV", "");
    sys.Start();
    const auto& entries = sys.form->Entries("Combo1");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "a.b");
    EXPECT_EQ(entries[1].text, "b");
    EXPECT_EQ(entries[2].text, "Zed");
    EXPECT_EQ(sys.form->Text("Combo1"), "");
}

TEST_F(StartupTest, AMissingProfileFolderGivesAnEmptyList) {
    fakes::FakeSystem bare;
    bare.files.AddFile("C:\\Pack\\Langs\\en.ini", fakes::MakeLanguageFile(""));
    bare.Start();
    EXPECT_TRUE(bare.form->Entries("Combo1").empty());
    EXPECT_TRUE(bare.ui.log.empty());
}

}  // namespace
}  // namespace tzp
