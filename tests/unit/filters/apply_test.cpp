#include <gtest/gtest.h>

#include "filter_pack.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

using platform::Answer;

struct ApplyTest : ::testing::Test {
    fakes::FakeSystem sys;
    ui::Form& form() { return *sys.form; }
    void SetUp() override {
        sys.InstallStandardPack();
        testing::AddEveryLibrary(sys);
        sys.files.AddFile("C:\\Pack\\Sav\\Cinema.sav", "");
        sys.files.AddFile("C:\\Pack\\Sav\\Cinema.reg", "REGEDIT4\r\n");
        sys.Start();
    }
};

TEST_F(ApplyTest, AnUnlistedProfileNameIsRefusedBeforeAnything) {
    form().UserToggle("Check6");
    form().SetText("Combo1", "cinema");  // letter case counts
    form().Click("Command3");
    EXPECT_EQ(sys.ui.log, std::vector<std::string>{"message:en 043"});
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(form().Value("ischange"), 1);
}

TEST_F(ApplyTest, NoToTheQuestionDoesNothing) {
    form().UserToggle("Check6");
    sys.ui.answers = {Answer::No};
    form().Click("Command3");
    EXPECT_EQ(sys.ui.log, std::vector<std::string>{"ask:en 033"});
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    EXPECT_EQ(form().Value("ischange"), 1);
    EXPECT_EQ(form().Get("wf").top, ui::kPark);
}

TEST_F(ApplyTest, WithNoProfileTheBoxesAloneAreApplied) {
    form().UserToggle("Check6");
    sys.ui.answers = {Answer::Yes};
    form().Click("Command3");
    EXPECT_EQ(sys.ui.questions, std::vector<std::string>{"en 033"});
    EXPECT_EQ(sys.selfRegistration.calls.size(), 18u);
    EXPECT_EQ(sys.selfRegistration.calls.back(),
              testing::InstallPath("filtres\\ffdshow.ax") + "|DllRegisterServer");
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 034"});
    EXPECT_EQ(form().Value("ischange"), 0);
    EXPECT_EQ(form().Value("Check6"), 1);
}

TEST_F(ApplyTest, ThePanelCoversTheWindowWhileTheLibrariesAreRegistered) {
    sys.ui.answers = {Answer::Yes};
    std::vector<std::pair<int, int>> panelAtDoEvents;
    sys.ui.onDoEvents = [&] {
        panelAtDoEvents.emplace_back(form().Get("wf").left, form().Get("wf").top);
    };
    form().UserToggle("Check9");
    form().Click("Command3");
    ASSERT_GE(panelAtDoEvents.size(), 3u);
    EXPECT_EQ(panelAtDoEvents.front(), std::make_pair(120, 0));
    EXPECT_EQ(panelAtDoEvents.back(), std::make_pair(ui::kPark, ui::kPark));
    // The message comes once the panel is parked again.
    EXPECT_EQ(sys.ui.log.back(), "message:en 034");
    EXPECT_EQ(form().Get("wf").left, ui::kPark);
}

TEST_F(ApplyTest, APreviewedProfileIsImportedAfterTheLibraries) {
    form().SetText("Combo1", "Cinema");
    form().SetValueQuietly("Check11", 1);
    sys.ui.answers = {Answer::Yes};
    size_t callsAtImport = 0;
    sys.processes.onStart = [&](const std::string&) {
        callsAtImport = sys.selfRegistration.calls.size();
        return true;
    };
    form().Click("Command3");
    ASSERT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(sys.processes.started[0].commandLine, "regedit.exe /s \"C:\\Pack\\Sav\\Cinema.reg\"");
    EXPECT_EQ(sys.processes.started[0].style, platform::WindowStyle::Minimized);
    EXPECT_EQ(callsAtImport, 18u);
    EXPECT_EQ(sys.selfRegistration.calls.front(),
              testing::InstallPath("filtres\\ac3filter.ax") + "|DllRegisterServer");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 034"});
    EXPECT_EQ(form().Text("Combo1"), "Cinema");
    EXPECT_EQ(form().Value("ischange"), 0);
}

TEST_F(ApplyTest, AProfileWhoseSettingsCannotBeImportedIsSaidSo) {
    form().SetText("Combo1", "Cinema");
    sys.ui.answers = {Answer::Yes, Answer::Yes};
    sys.processes.onStart = [](const std::string&) { return false; };
    form().Click("Command3");
    ASSERT_EQ(sys.ui.messages.size(), 2u);
    EXPECT_EQ(sys.ui.messages[0].rfind("en 061\r\n", 0), 0u) << sys.ui.messages[0];
    EXPECT_EQ(sys.ui.messages[1], "en 034");

    // A registry file that has gone: nothing is started, and the message names the file.
    sys.ui.messages.clear();
    sys.processes.started.clear();
    sys.files.Remove("C:\\Pack\\Sav\\Cinema.reg").ok();
    form().Click("Command3");
    EXPECT_TRUE(sys.processes.started.empty());
    ASSERT_EQ(sys.ui.messages.size(), 2u);
    EXPECT_EQ(sys.ui.messages[0], "en 062\r\nC:\\Pack\\Sav\\Cinema.reg");
    EXPECT_EQ(sys.selfRegistration.calls.size(), 36u);
}

TEST_F(ApplyTest, AfterAnApplyClosingAsksNothing) {
    form().UserToggle("Check13");
    sys.ui.answers = {Answer::Yes};
    form().Click("Command3");
    EXPECT_TRUE(form().RequestClose());
    EXPECT_EQ(sys.ui.questions.size(), 1u);
}

TEST_F(ApplyTest, AfterTheApplyTheTooltipsSayWhatIsRegisteredThen) {
    EXPECT_TRUE(form().Get("Check19").tooltip.ends_with("\r\nNot registered."));
    // Registered meanwhile, as the pass would; the tick is the user's and stays.
    testing::RegisterClass(sys, "876B9304-359C-42E2-864E-B98B03F33C9D", "C:\\Old\\RLMPCDec.ax");
    sys.ui.answers = {Answer::Yes};
    form().Click("Command3");
    EXPECT_TRUE(form().Get("Check19").tooltip.ends_with(
        "\r\nRegistered to another copy: C:\\Old\\RLMPCDec.ax"));
    EXPECT_EQ(form().Value("Check19"), 0);
}

}  // namespace
}  // namespace tzp
