// The update check in the real window, with the stand-in updater beside the program.
#include <gtest/gtest.h>

#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

constexpr int kCommand9 = 1109;
constexpr int kWaitPanel = 3210;

TEST(AboutGui, TheUpdateCheckShowsTheUpdatersAnswerAndParksTheWaitPanel) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/updater/dod.exe"), pack.PackDir() + "\\dod.exe"));
    // Long enough to see the panel over the window while the updater runs.
    ASSERT_TRUE(WriteBytes(pack.PackDir() + "\\dod.cfg", "answer=1\\r\\n\r\ndelay=1500\r\n"));
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.SelectTab(3);
    ASSERT_TRUE(WaitUntil([&] { return app.InView(kCommand9); }));
    EXPECT_FALSE(app.InView(kWaitPanel));

    app.Click(kCommand9);
    EXPECT_TRUE(WaitUntil([&] { return app.InView(kWaitPanel); }));
    const auto answer = app.WaitForDialog(20000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->text, "A newer version of the pack is available.");
    EXPECT_TRUE(app.InView(kWaitPanel));
    // The updater ran in a pack folder with a space in its name: its path was quoted.
    EXPECT_EQ(ReadBytes(pack.PackDir() + "\\dod-args.txt"),
              "\"" + pack.PackDir() + "\\dod.exe\" /TESSAVERSION=1.0");
    app.Press(*answer, IDOK);

    EXPECT_TRUE(WaitUntil([&] { return !app.InView(kWaitPanel); }));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(pack.PackDir() + "\\maj.txt"); }));
    EXPECT_TRUE(app.InView(kCommand9));
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace
}  // namespace tzp::testing
