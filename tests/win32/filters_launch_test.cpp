// The configure icons on real processes. The program runs elevated, so the system
// programs it starts come from the system folders, never from the current folder; and
// the applet opened through cmd starts from a folder named like "Program Files (x86)".
#include <gtest/gtest.h>

#include <windows.h>

#include "filters/launchers.h"
#include "platform/win32/wide.h"
#include "support/real_panel.h"
#include "support/wine_files.h"

namespace tzp {
namespace {

using namespace testing;

// Waits up to `seconds` for a file that a started program leaves.
bool AppearsWithin(const std::string& path, int seconds) {
    for (int tenth = 0; tenth < seconds * 10; ++tenth) {
        if (Exists(path)) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

TEST(LaunchersWin32, TheAppletThroughCmdStartsFromAnX86FolderAndNoCmdOfTheCurrentFolderRuns) {
    ScratchDir scratch;
    // The stand-in updater writes its command line to dod-args.txt beside itself when it
    // runs: here it plays the applet, and a cmd.exe dropped in the current folder.
    const std::string standIn = BuildPath("testlibs/updater/dod.exe");
    const std::string installDir = scratch.Path() + "\\Program Files (x86)\\Tessaly Pack\\";
    ASSERT_TRUE(MakeDirs(installDir + "Filtres"));
    ASSERT_TRUE(CopyOneFile(standIn, installDir + "Filtres\\vp7dec_settings.cpl"));
    const std::string current = scratch.Path() + "\\current";
    ASSERT_TRUE(MakeDirs(current));
    ASSERT_TRUE(CopyOneFile(standIn, current + "\\cmd.exe"));

    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(platform::Widen(current).c_str()));
    RealPanel panel(scratch.Path());
    filters::WireLaunchers(panel.app);
    panel.form->SetText("filterpath", installDir);
    panel.form->Click("Picture2");
    const bool appletRan = AppearsWithin(installDir + "Filtres\\dod-args.txt", 30);
    SetCurrentDirectoryW(previous);

    EXPECT_TRUE(appletRan);
    EXPECT_FALSE(Exists(current + "\\dod-args.txt")) << "the current folder's cmd.exe ran";
    EXPECT_TRUE(panel.ui.messages.empty());
}

}  // namespace
}  // namespace tzp
