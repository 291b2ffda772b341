#include <gtest/gtest.h>

#include "filter_pack.h"
#include "filters/filters.h"
#include "filters/launchers.h"

namespace tzp {
namespace {

using platform::WindowStyle;

struct LaunchersTest : ::testing::Test {
    fakes::FakeSystem sys;
    const std::string dir = "C:\\Program Files\\Tessaly Pack\\";
    void SetUp() override {
        sys.InstallStandardPack();
        sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\",
                         "C:\\Program Files\\Tessaly Pack");
        for (const char* file :
             {"Filtres\\ffdshow.ax", "Filtres\\hfe.exe", "Filtres\\splitter.ax",
              "Filtres\\vp7dec_settings.cpl", "Filtres\\ac3config.exe", "Filtres\\vsfilter.dll"}) {
            sys.files.AddFile(dir + file, "MZ");
        }
        sys.Start();
    }
    // Clicks an icon and gives what was started, or "" when nothing was.
    std::string Launch(const char* icon, WindowStyle* style = nullptr) {
        sys.processes.started.clear();
        sys.form->Click(icon);
        if (sys.processes.started.empty()) {
            return "";
        }
        EXPECT_EQ(sys.processes.started.size(), 1u);
        if (style != nullptr) {
            *style = sys.processes.started.back().style;
        }
        return sys.processes.started.back().commandLine;
    }
};

TEST_F(LaunchersTest, StartsEveryIconsCommandWithProgramPathsQuoted) {
    const std::pair<const char*, std::string> expected[] = {
        {"Picture7", "Rundll32.exe ffdshow.ax,configure"},
        {"Picture8", "Rundll32.exe ffdshow.ax,configureAudio"},
        {"Picture9", "Rundll32.exe ff_vfw.dll,configureVFW"},
        {"Picture3", "Rundll32.exe ffdshow.ax,configureDXVA"},
        {"Picture26", "\"" + dir + "Filtres\\makeAVIS.exe\""},
        {"Picture1", "Rundll32.exe ffdshow.ax,configure"},
        {"Picture24", "\"" + dir + "Filtres\\hfe.exe\""},
        {"Picture6", "Rundll32.exe splitter.ax,Configure"},
        {"Picture5", "\"" + dir + "Filtres\\ac3config.exe\""},
        {"Picture4", "Rundll32.exe vsfilter.dll,DirectVobSub"},
        {"Picture22", "\"" + dir + "filtres\\madHcCtrl.exe\""},
        {"Picture18", "\"" + dir + "MPC\\mplayerc.exe\""},
    };
    for (const auto& [icon, command] : expected) {
        WindowStyle style = WindowStyle::Minimized;
        EXPECT_EQ(Launch(icon, &style), command) << icon;
        EXPECT_EQ(style, WindowStyle::Normal) << icon;
    }
    WindowStyle style = WindowStyle::Normal;
    EXPECT_EQ(Launch("Picture2", &style),
              "cmd /c \"\"C:\\Program Files\\Tessaly Pack\\Filtres\\vp7dec_settings.cpl\"\"");
    EXPECT_EQ(style, WindowStyle::Hidden);
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(LaunchersTest, AMissingTestedFileShowsTheMessageAndStartsNothing) {
    sys.files.Remove(dir + "Filtres\\ffdshow.ax").ok();
    // makeAVIS.exe exists, yet its icon tests the filter library.
    sys.files.AddFile(dir + "Filtres\\makeAVIS.exe", "MZ");
    for (const char* icon :
         {"Picture7", "Picture8", "Picture9", "Picture3", "Picture26", "Picture1"}) {
        EXPECT_EQ(Launch(icon), "") << icon;
    }
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>(6, "en 021"));

    sys.ui.messages.clear();
    sys.files.Remove(dir + "Filtres\\vp7dec_settings.cpl").ok();
    EXPECT_EQ(Launch("Picture2"), "");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 021"});
    EXPECT_EQ(sys.form->Value("ischange"), 0);
}

TEST_F(LaunchersTest, PlayerAndMadVrIconsMarkAChangeAndTestNothing) {
    sys.form->SetText("Combo1", "Home");
    EXPECT_NE(Launch("Picture18"), "");
    EXPECT_EQ(sys.form->Value("ischange"), 1);
    sys.form->SetValue("ischange", 0);
    EXPECT_NE(Launch("Picture22"), "");
    EXPECT_EQ(sys.form->Value("ischange"), 1);
    EXPECT_EQ(sys.form->Text("Combo1"), "Home");
    // The other launchers change nothing.
    sys.form->SetValue("ischange", 0);
    Launch("Picture7");
    EXPECT_EQ(sys.form->Value("ischange"), 0);
}

TEST_F(LaunchersTest, TheFfdshowInformationIconShowsItsMessageAlways) {
    sys.files.Remove(dir + "Filtres\\ffdshow.ax").ok();
    EXPECT_EQ(Launch("Picture17"), "");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 035"});
}

TEST_F(LaunchersTest, AProgramThatCannotBeStartedIsReportedAndNothingElseHappens) {
    sys.processes.onStart = [](const std::string&) { return false; };
    Launch("Picture22");
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    const std::string& text = sys.ui.messages[0];
    // The fake language file has a line for the id; the message names what failed.
    EXPECT_EQ(text.rfind("en 060", 0), 0u) << text;
    EXPECT_NE(text.find("\"" + dir + "filtres\\madHcCtrl.exe\""), std::string::npos) << text;
    EXPECT_NE(text.find("cannot find the file"), std::string::npos) << text;
    EXPECT_EQ(sys.form->Value("ischange"), 1);
}

TEST_F(LaunchersTest, TheStartFailureHasBuiltInTextsWhenTheLanguageFileLacksThem) {
    sys.processes.onStart = [](const std::string&) { return false; };
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", "021=missing\r\n");
    Launch("Picture24");
    sys.form->SetText("langg", "fr");
    sys.files.AddFile("C:\\Pack\\Langs\\fr.ini", "021=absent\r\n");
    Launch("Picture24");
    ASSERT_EQ(sys.ui.messages.size(), 2u);
    EXPECT_EQ(sys.ui.messages[0].rfind("This program could not be started:\r\n", 0), 0u);
    EXPECT_EQ(sys.ui.messages[1].rfind("Ce programme n'a pas pu", 0), 0u);
}

TEST_F(LaunchersTest, IconsAreNamedAfterWhatTheyOpenInTheLanguageOfTheFile) {
    const std::tuple<const char*, const char*, const char*> expected[] = {
        {"Picture7", "FFDshow Video settings", "Opens the settings of FFDshow Video."},
        {"Picture26", "FFDshow MakeAvis settings", "Opens the settings of FFDshow MakeAvis."},
        {"Picture5", "Ac3filter.ax settings", "Opens the settings of Ac3filter.ax."},
        {"Picture17", "FFDshow", "en 035"},
    };
    for (const auto& [icon, name, tip] : expected) {
        EXPECT_EQ(sys.form->Caption(icon), name) << icon;
        EXPECT_EQ(sys.form->Get(icon).tooltip, tip) << icon;
    }
    EXPECT_EQ(sys.form->Caption("Picture18"), sys.form->Caption("Label1"));

    // A translation's own words, with the mark for the filter or without it.
    const std::string file = std::string(fakes::kPackDir) + "\\Langs\\en.ini";
    sys.files.AddFile(file, fakes::MakeLanguageFile("en ") + "082=Regler %1\r\n083=Ouvre\r\n");
    filters::NameIcons(sys.app);
    EXPECT_EQ(sys.form->Caption("Picture4"), "Regler VSFilter");
    EXPECT_EQ(sys.form->Get("Picture4").tooltip, "Ouvre VSFilter");
}

}  // namespace
}  // namespace tzp
