// The real window under Wine: title, captions from the language file, tabs, closing.
#include <gtest/gtest.h>

#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

constexpr int kTabStrip = 3101;
constexpr int kFiltersFrame = 3201;
constexpr int kAssocFrame = 3202;
constexpr int kIsChange = 3208;
constexpr int kCommand3 = 1103;
constexpr int kCommand6 = 1106;
constexpr int kFrame6 = 3006;
constexpr int kCommand9 = 1109;
constexpr int kWaitPanel = 3210;

TEST(ShellGui, StartsInEnglishWhenTheLanguageFileIsMissing) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("xx");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(app.Title(), "Tessaly Zivozod Pack Control Panel");
    EXPECT_EQ(app.Text(kCommand3), "Apply");
    EXPECT_EQ(app.Text(kFrame6), "Configurable filters");
    EXPECT_EQ(app.Text(1102), "Save");
    EXPECT_EQ(app.Text(1101), "Delete");
    EXPECT_EQ(app.TabCaptions(), (std::vector<std::string>{"Filters", "Associations", "About"}));
    EXPECT_EQ(app.Check(kIsChange), 0);
    EXPECT_TRUE(app.InView(kFiltersFrame));
    EXPECT_FALSE(app.InView(kAssocFrame));
    EXPECT_FALSE(app.InView(kCommand6));
}

TEST(ShellGui, TheSecondTabBringsTheAssociationsPage) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.SelectTab(2);
    EXPECT_TRUE(WaitUntil([&] { return app.InView(kAssocFrame); }));
    EXPECT_FALSE(app.InView(kFiltersFrame));
    EXPECT_TRUE(app.InView(kCommand6));
    EXPECT_FALSE(app.InView(kCommand3));
    app.SelectTab(1);
    EXPECT_TRUE(WaitUntil([&] { return app.InView(kFiltersFrame); }));
    EXPECT_FALSE(app.InView(kAssocFrame));
}

TEST(ShellGui, ClosingWithAPendingChangeAsksAndNoKeepsTheWindow) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("fr");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(app.Text(kCommand3), "Appliquer");
    // Any filter box marks a pending change.
    app.Click(1017);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kIsChange) == 1; }));
    app.RequestClose();
    const auto question = app.WaitForDialog();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text,
              "Des changements de filtres n'ont pas \xC3\xA9t\xC3\xA9 appliqu\xC3\xA9s. "
              "Fermer quand m\xC3\xAAme le panneau de configuration ?");
    app.Press(*question, IDNO);
    EXPECT_FALSE(app.WaitForExit(1000));
    EXPECT_EQ(app.Check(1017), 1);
    EXPECT_EQ(app.Check(kIsChange), 1);

    app.RequestClose();
    EXPECT_TRUE(app.AnswerMessageBox(IDYES));
    EXPECT_TRUE(app.WaitForExit());
}

TEST(ShellGui, ClosingRightAfterStartAsksNothing) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

HWND FocusOf(const GuiApp& app) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.Main(), nullptr), &info);
    return info.hwndFocus;
}

TEST(ShellGui, TheWaitPanelTakesTheKeyboardFocusWhileItCoversTheWindow) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    // A slow updater gives the time to look at the window while the panel is up.
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/updater/dod.exe"), pack.PackDir() + "\\dod.exe"));
    ASSERT_TRUE(WriteBytes(pack.PackDir() + "\\dod.cfg", "answer=0\r\ndelay=2500\r\n"));
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.SelectTab(3);
    ASSERT_TRUE(WaitUntil([&] { return app.InView(kCommand9); }));
    SetForegroundWindow(app.Main());
    app.Click(kCommand9);
    ASSERT_TRUE(WaitUntil([&] { return app.InView(kWaitPanel); }));
    // A key press now goes to the panel, not to the button that started the action.
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(app) == app.Control(kWaitPanel); }));
    ASSERT_TRUE(app.AnswerMessageBox(IDOK, 20000));
    EXPECT_TRUE(WaitUntil([&] { return !app.InView(kWaitPanel); }));
    EXPECT_NE(FocusOf(app), app.Control(kWaitPanel));
}

}  // namespace
}  // namespace tzp::testing
