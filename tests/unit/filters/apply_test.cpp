#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "filter_pack.h"
#include "filters/registration.h"
#include "platform/registry.h"
#include "profiles/apply.h"
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
    // The message comes once the panel is parked again; it repaints the window under it.
    EXPECT_EQ(sys.ui.log.back(), "message:en 034");
    EXPECT_EQ(form().Get("wf").left, ui::kPark);
}

// Tries a click and a close each time the pass tells its progress.
struct CommandsMidPass : ui::FormObserver {
    ui::Form& form;
    int refused = 0;
    int tried = 0;
    explicit CommandsMidPass(ui::Form& f) : form(f) {}
    void OnControlChanged(const ui::Control& control, ui::Property) override {
        if (control.name == "Label2" && tried < 3) {
            ++tried;
            refused += !form.UserToggle("Check10") && !form.RequestClose() ? 1 : 0;
            panelSeen = panelSeen || form.Get("wf").left == 120;
        }
    }
    bool panelSeen = false;
};

TEST_F(ApplyTest, APassOverBeforeThePanelsDelayNeverShowsItAndStillRefusesCommands) {
    sys.ui.answers = {Answer::Yes};
    sys.ui.runLaterAtOnce = false;
    form().UserToggle("Check9");
    const int box = form().Value("Check10");
    CommandsMidPass commands(form());
    form().SetObserver(&commands);
    form().Click("Command3");
    form().SetObserver(nullptr);
    EXPECT_EQ(commands.tried, 3);
    EXPECT_EQ(commands.refused, 3);
    EXPECT_EQ(form().Value("Check10"), box);
    EXPECT_FALSE(commands.panelSeen);
    EXPECT_GE(sys.ui.laterMs, 100u);
    EXPECT_FALSE(sys.ui.later) << "the panel's show is called off with the pass";
    EXPECT_EQ(form().Get("wf").left, ui::kPark);
    EXPECT_EQ(sys.ui.log.back(), "message:en 034");
}

TEST_F(ApplyTest, APreviewedProfileIsImportedAfterTheLibraries) {
    form().SetText("Combo1", "Cinema");
    form().SetValueQuietly("Check11", 1);
    sys.ui.answers = {Answer::Yes};
    size_t callsAtImport = 0;
    const std::string checked = *sys.files.Content("C:\\Pack\\Sav\\Cinema.reg");
    std::optional<std::string> imported;
    sys.processes.onStart = [&](const std::string&) {
        callsAtImport = sys.selfRegistration.calls.size();
        // The profile's file swapped once checked changes nothing: the checked private
        // copy is what the editor gets, and goes once the editor has ended.
        sys.files.AddFile("C:\\Pack\\Sav\\Cinema.reg", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n");
        imported = sys.files.Content("C:\\Temp\\tzpcp\\import-1.reg");
        return true;
    };
    form().Click("Command3");
    ASSERT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(sys.processes.started[0].commandLine,
              "regedit.exe /s \"C:\\Temp\\tzpcp\\import-1.reg\"");
    EXPECT_EQ(imported, checked);
    ASSERT_EQ(sys.processes.keptUntilExit.size(), 1u);
    EXPECT_EQ(sys.processes.keptUntilExit[0]->Path(), "C:\\Temp\\tzpcp\\import-1.reg");
    EXPECT_TRUE(sys.files.FileExists("C:\\Temp\\tzpcp\\import-1.reg"))
        << "the copy is held while the editor runs";
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

TEST_F(ApplyTest, FailedLibrariesAreReportedBeforeTheEndAndTheirBoxesShowTheTruth) {
    // RealMediaSplitter may not be unregistered, and is still registered to the pack;
    // ffdshow's registration is refused; VSFilter is gone, and was to be unregistered.
    sys.selfRegistration.Add(testing::InstallPath("filtres\\RealMediaSplitter.ax"),
                             {{"DllUnregisterServer"}, false, 0x80070005u});
    sys.selfRegistration.Add(testing::InstallPath("filtres\\ffdshow.ax"),
                             {{"DllRegisterServer"}, false, 0x80004005u});
    sys.files.Remove(testing::InstallPath("filtres\\VSFilter.dll")).ok();
    sys.selfRegistration.Add(testing::InstallPath("filtres\\VSFilter.dll"), {{}, false, 0, 2});
    testing::RegisterClass(sys, filters::Row("Check9").clsids[0],
                           testing::InstallPath("filtres\\RealMediaSplitter.ax"));
    form().SetText("Combo1", "Cinema");
    form().SetValueQuietly("Check9", 0);
    form().SetValueQuietly("Check6", 1);
    form().SetValueQuietly("Check11", 1);
    sys.ui.answers = {Answer::Yes};
    form().Click("Command3");

    ASSERT_EQ(sys.ui.messages.size(), 2u);
    const std::string& report = sys.ui.messages[0];
    EXPECT_EQ(report.rfind("These filter libraries did not do what their boxes asked", 0), 0u);
    EXPECT_NE(report.find("\r\nRealMediaSplitter.ax: the library reported the failure "
                          "0x80070005: error 5"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\r\nffdshow.ax: the library reported the failure 0x80004005"),
              std::string::npos);
    EXPECT_EQ(report.find("VSFilter"), std::string::npos);
    EXPECT_EQ(sys.ui.messages[1], "en 034");
    // The failed boxes show the registry, quietly: no pending change, the profile stays.
    EXPECT_EQ(form().Value("Check9"), 1);
    EXPECT_EQ(form().Value("Check6"), 0);
    EXPECT_EQ(form().Value("Check11"), 1);
    EXPECT_EQ(form().Value("ischange"), 0);
    EXPECT_EQ(form().Text("Combo1"), "Cinema");
}

TEST_F(ApplyTest, TheWaitPanelTellsWhichLibraryThePassIsOn) {
    sys.ui.answers = {Answer::Yes};
    const std::string waitText = form().Caption("Label2");
    std::vector<std::string> shown;
    std::vector<size_t> runsWhenShown;
    sys.ui.onDoEvents = [&] {
        const std::string caption = form().Caption("Label2");
        if (caption != waitText && (shown.empty() || shown.back() != caption)) {
            shown.push_back(caption);
            runsWhenShown.push_back(sys.selfRegistration.calls.size());
        }
    };
    form().Click("Command3");
    ASSERT_EQ(shown.size(), 18u);
    EXPECT_EQ(shown.front(), waitText + "\r\n1 of 18: ac3filter.ax");
    EXPECT_EQ(shown[4], waitText + "\r\n5 of 18: splitter.ax");
    EXPECT_EQ(shown.back(), waitText + "\r\n18 of 18: ffdshow.ax");
    for (size_t i = 0; i < runsWhenShown.size(); ++i) {
        EXPECT_EQ(runsWhenShown[i], i);  // shown before its library runs
    }
    EXPECT_EQ(form().Caption("Label2"), waitText);
}

TEST_F(ApplyTest, TheCommandLineCoreWaitsForTheImportAndKeepsItsExitCode) {
    sys.processes.pollsUntilExit = 2;
    sys.processes.exitCode = 1;
    const auto result = profiles::RunApply(sys.app, "Cinema", true);
    EXPECT_EQ(result.libraries.size(), 18u);
    EXPECT_EQ(result.import.kind, profiles::ImportKind::Failed);
    EXPECT_EQ(result.import.exitCode, 1u);
    EXPECT_TRUE(result.AnyFailure());
    EXPECT_EQ(profiles::ImportFailureMessage(sys.app, result.import),
              "The settings of this profile could not all be imported: the registry editor "
              "ended with the code 1.");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_TRUE(sys.ui.questions.empty());

    sys.processes.exitCode = 0;
    const auto clean = profiles::RunApply(sys.app, "Cinema", true);
    EXPECT_EQ(clean.import.kind, profiles::ImportKind::Done);
    EXPECT_FALSE(clean.AnyFailure());
    EXPECT_EQ(profiles::RunApply(sys.app, "", false).import.kind, profiles::ImportKind::NotStarted);
}

// The registry editor ends with 0 whatever became of the import, so an awaited import is
// judged by what arrived: each value and key of the file that the registry does not hold
// as the file sets it is named; a file that arrived whole is done.
TEST_F(ApplyTest, AnImportThatEndedWellIsJudgedByWhatArrived) {
    sys.files.AddFile("C:\\Pack\\Sav\\Cinema.reg",
                      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\AC3Filter]\r\n"
                      "\"Gain\"=dword:00000007\r\n@=\"main\"\r\n\r\n[-HKEY_CURRENT_"
                      "USER\\Software\\AC3Filter\\Presets]\r\n");
    sys.registry.Set("HKCU\\Software\\AC3Filter\\Presets\\Stale", "1");
    const std::string lead =
        "The settings of this profile could not all be imported: the registry editor ended "
        "without an error, but these settings are not in the registry:\r\n";
    const std::vector<std::pair<std::function<void()>, std::string>> editors = {
        {[] {}, lead + "HKEY_CURRENT_USER\\Software\\AC3Filter  Gain\r\n"
                       "HKEY_CURRENT_USER\\Software\\AC3Filter  @\r\n"
                       "HKEY_CURRENT_USER\\Software\\AC3Filter\\Presets"},
        {[&] {
             sys.registry.Set("HKCU\\Software\\AC3Filter\\Gain", "7", fakes::StoredType::Dword);
             sys.registry.Set("HKCU\\Software\\AC3Filter\\", "main");
         },
         lead + "HKEY_CURRENT_USER\\Software\\AC3Filter\\Presets"},
        {[&] {
             (void)sys.registry.Delete(
                 *platform::ParseRegName("HKCU\\Software\\AC3Filter\\Presets\\Stale"));
             (void)sys.registry.Delete(
                 *platform::ParseRegName("HKCU\\Software\\AC3Filter\\Presets\\"));
         },
         ""},
    };
    for (const auto& [editor, message] : editors) {
        sys.processes.onStart = [&](const std::string&) {
            editor();
            return true;
        };
        const auto result = profiles::RunApply(sys.app, "Cinema", true);
        EXPECT_EQ(result.import.kind,
                  message.empty() ? profiles::ImportKind::Done : profiles::ImportKind::Incomplete);
        EXPECT_EQ(profiles::ImportFailureMessage(sys.app, result.import), message);
    }
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
