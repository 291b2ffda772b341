// The update check end to end on real files and processes, with the stand-in updater
// in a pack folder whose name holds a space.
#include <gtest/gtest.h>

#include <windows.h>

#include "about/about.h"
#include "about/update_check.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "support/real_panel.h"
#include "support/wine_files.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

struct UpdateCheckWin32 : ::testing::Test {
    testing::ScratchDir scratch;
    std::string packDir = scratch.Path() + "\\Tessaly Pack";

    testing::RealPanel panel{packDir};
    fakes::FakeInteraction& ui = panel.ui;
    platform::Win32Files& files = panel.files;
    ui::Form* form = panel.form.get();
    App& app = panel.app;

    void SetUp() override {
        ASSERT_TRUE(testing::MakeDirs(packDir + "\\Langs"));
        // The pack's version text holds spaces; it reaches the updater unquoted.
        ASSERT_TRUE(testing::WriteBytes(packDir + "\\Langs\\en.ini",
                                        "000=5.2 beta\r\n047=No update\r\n048=Update\r\n"));
        ASSERT_TRUE(testing::CopyOneFile(testing::BuildPath("testlibs/updater/dod.exe"),
                                         packDir + "\\dod.exe"));
        form->SetText("langg", "en");
        about::WireAbout(app);
    }
    void Configure(const std::string& config) {
        ASSERT_TRUE(testing::WriteBytes(packDir + "\\dod.cfg", config));
    }
    std::string Check() {
        form->Click("Command9");
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(form->Get("wf").left, about::kUpdatePanelParked);
        EXPECT_FALSE(testing::Exists(packDir + "\\maj.txt"));
        return ui.messages.empty() ? std::string() : ui.messages.back();
    }
};

TEST_F(UpdateCheckWin32, TheUpdatersAnswerOneIsANewerPack) {
    Configure("answer=\\r\\n1\\r\\n\r\n");
    EXPECT_EQ(Check(), "Update");
    EXPECT_EQ(testing::ReadBytes(packDir + "\\dod-args.txt"),
              "\"" + packDir + "\\dod.exe\" /TESSAVERSION=5.2 beta");
}

TEST_F(UpdateCheckWin32, AnyOtherAnswerIsNoNewerPackEvenFromAnUpdaterEndingWith259) {
    Configure("answer=01\\r\\n\r\nexitcode=259\r\n");
    EXPECT_EQ(Check(), "No update");
}

TEST_F(UpdateCheckWin32, AStaleAnswerIsNotTakenForTheUpdatersWhenItLeavesNone) {
    ASSERT_TRUE(testing::WriteBytes(packDir + "\\maj.txt", "1\r\n"));
    Configure("noanswer=1\r\n");
    EXPECT_EQ(Check(), "The update check failed: the updater gave no answer.");
}

TEST_F(UpdateCheckWin32, AMissingUpdaterIsReportedAsAFailedCheck) {
    ASSERT_TRUE(files.Remove(packDir + "\\dod.exe").ok());
    const std::string message = Check();
    EXPECT_EQ(message.rfind("The update check failed: the updater could not be started.", 0), 0u);
    EXPECT_NE(message.find(platform::DescribeSystemError(ERROR_FILE_NOT_FOUND)), std::string::npos);
}

}  // namespace
}  // namespace tzp
