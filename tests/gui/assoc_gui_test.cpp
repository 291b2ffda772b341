// The associations tab of the real window, driven as a user would: ticks in the lists,
// the system's open-file dialog, the question and the closing message.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

using platform::Widen;

constexpr int kList1 = 1201;
constexpr int kList2 = 1202;
constexpr int kList3 = 1203;
constexpr int kText1 = 1301;
constexpr int kText3 = 1303;
constexpr int kCommand4 = 1104;
constexpr int kCommand6 = 1106;
constexpr int kCommand7 = 1107;
constexpr int kWaitPanel = 3210;

// Stops at the first EDIT child and keeps it. A callback of the system's: it carries the
// system's calling convention, which a lambda cannot (on i686 the two differ).
BOOL CALLBACK KeepFirstEdit(HWND child, LPARAM found) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (_wcsicmp(kind, L"Edit") != 0) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The open-file dialog's file name box: the edit inside the file name control (0x47C),
// however deep the dialog's template nests it, or else the plain edit 0x480.
HWND FileNameBox(HWND dialog) {
    if (HWND control = GetDlgItem(dialog, 0x47C); control != nullptr) {
        HWND edit = nullptr;
        EnumChildWindows(control, KeepFirstEdit, reinterpret_cast<LPARAM>(&edit));
        if (edit != nullptr) {
            return edit;
        }
    }
    return GetDlgItem(dialog, 0x480);
}

int IndexOf(const std::vector<std::string>& entries, const std::string& ext) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].starts_with(ext + " (")) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(AssocGui, TickedEntriesOfTwoListsOpenWithTheProgramChosenInTheDialog) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    ScratchDir scratch;
    const std::string player = scratch.Path() + "\\Test Player\\tplayer.exe";
    MakeDirs(scratch.Path() + "\\Test Player");
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/player/tzpplayer.exe"), player));
    ASSERT_TRUE(
        CopyOneFile(BuildPath("testlibs/player/tzpplayer.exe"), pack.PackDir() + "\\ZUV.exe"));
    const std::string log = scratch.Path() + "\\started.txt";
    SetEnvironmentVariableW(L"TZP_PLAYER_LOG", Widen(log).c_str());

    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.SelectTab(2);
    ASSERT_TRUE(WaitUntil([&] { return app.InView(kCommand6); }));
    ASSERT_EQ(app.ListEntries(kList1).size(), 46u);
    ASSERT_EQ(app.ListEntries(kList2).size(), 28u);
    EXPECT_TRUE(app.ListEntries(kList3).empty());

    // A personal extension, typed and added.
    app.TypeText(kText1, "tzpg");
    app.Click(kCommand4);
    ASSERT_TRUE(WaitUntil([&] { return app.ListEntries(kList3).size() == 1; }));
    EXPECT_EQ(app.ListEntries(kList3)[0], ".tzpg (none)");
    EXPECT_EQ(ReadBytes(pack.PackDir() + "\\Settings\\exts.ini"), ".tzpg\r\n");

    const int avi = IndexOf(app.ListEntries(kList1), ".avi");
    ASSERT_GE(avi, 0);
    app.SetListTick(kList1, avi, true);
    app.SetListTick(kList3, 0, true);

    // The program, through the system's open-file dialog.
    app.Click(kCommand7);
    const auto dialog = app.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, "Choose the program to associate");
    HWND name = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (name = FileNameBox(dialog->hwnd)) != nullptr; }));
    const std::wstring widePlayer = Widen(player);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widePlayer.c_str()));
    app.Press(*dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.Text(kText3) == "tplayer.exe"; })) << app.Text(kText3);

    app.Click(kCommand6);
    const auto question = app.AnswerMessageBox(IDYES);
    ASSERT_TRUE(question);
    EXPECT_EQ(*question, "Associate every ticked extension with the chosen program?");
    const auto done = app.AnswerMessageBox(IDOK, 30000);
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, "The associations have been written.");

    // Rebuilt: the entries name the player, nothing is ticked, the panel is gone.
    EXPECT_EQ(app.ListEntries(kList1)[static_cast<size_t>(avi)], ".avi (tplayer)");
    EXPECT_EQ(app.ListEntries(kList3), std::vector<std::string>{".tzpg (tplayer)"});
    for (const int list : {kList1, kList2, kList3}) {
        for (const bool ticked : app.ListTicks(list)) {
            EXPECT_FALSE(ticked);
        }
    }
    EXPECT_EQ(app.Text(kText3), "");
    EXPECT_FALSE(app.InView(kWaitPanel));
    EXPECT_TRUE(WaitUntil([&] {
        return ReadBytes(log).value_or("").find("\\ZUV.exe\" /S\r\n") != std::string::npos;
    }));

    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
    SetEnvironmentVariableW(L"TZP_PLAYER_LOG", nullptr);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".tzpg");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TessalyZivozodPack.tzpg");
}

}  // namespace
}  // namespace tzp::testing
