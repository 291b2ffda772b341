// Libraries that end the process they run in, applied from the real window under Wine:
// the pass runs them in a host process, so each is one library's crash in the report,
// and the control panel, its other libraries and its screen are untouched.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "filters/catalogue.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

constexpr int kCheck6 = 1006;
constexpr int kCommand3 = 1103;

bool ProcessRuns(const wchar_t* exeName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        found = lstrcmpiW(entry.szExeFile, exeName) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

struct OtherWindows {
    DWORD allowed[2];
    std::vector<std::string> titles;
};

// Notes every visible top-level window that belongs neither to the control panel nor to
// this test. A callback of the system's, with its calling convention.
BOOL CALLBACK NoteOtherWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<OtherWindows*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (IsWindowVisible(window) && owner != search.allowed[0] && owner != search.allowed[1]) {
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        search.titles.push_back(platform::Narrow(title));
    }
    return TRUE;
}

std::vector<std::string> WindowsOfOthers(DWORD panel) {
    OtherWindows search{{panel, GetCurrentProcessId()}, {}};
    EnumWindows(&NoteOtherWindow, reinterpret_cast<LPARAM>(&search));
    return search.titles;
}

struct RegistrationHostGui : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
    }
    void TearDown() override { UnregisterEveryFilter(); }
};

TEST_F(RegistrationHostGui, ALibraryThatCrashesIsOneOutcomeAndThePassGoesOn) {
    struct Crash {
        const char* variant;
        const char* file;
        int box;
        const char* code;
    };
    const Crash crashes[] = {
        {"nullwrite", "VSFilter.dll", 1010, "0xC0000005"},
        {"exits", "vp7dec.ax", 1012, "0x00000007"},
        {"loadcrash", "MpegSplitter.ax", 1017, "0xC0000005"},
        {"overflow", "FLVSplitter.ax", 1015, "0xC00000FD"},
    };
    for (const auto& crash : crashes) {
        SCOPED_TRACE(crash.variant);
        const std::string installed = pack.InstallDir() + "filtres\\" + crash.file;
        ASSERT_TRUE(CopyOneFile(
            BuildPath(std::string("testlibs/variants/") + crash.variant + "/" + crash.file),
            installed));
        GuiApp app(pack.ProgramPath());
        ASSERT_TRUE(app.Started());
        app.Click(crash.box);
        app.Click(kCheck6);  // the last library of the pass
        ASSERT_TRUE(
            WaitUntil([&] { return app.Check(crash.box) == 1 && app.Check(kCheck6) == 1; }));
        app.Click(kCommand3);
        EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
        const auto report = app.WaitForDialog(30000);
        ASSERT_TRUE(report);
        EXPECT_NE(report->text.find(std::string(crash.file) +
                                    ": the library crashed with the code " + crash.code),
                  std::string::npos)
            << report->text;
        // Neither a crash dialog nor the system's debugger, now or a moment later.
        EXPECT_EQ(WindowsOfOthers(app.ProcessId()), std::vector<std::string>{});
        Sleep(500);
        EXPECT_EQ(WindowsOfOthers(app.ProcessId()), std::vector<std::string>{});
        EXPECT_FALSE(ProcessRuns(L"winedbg.exe"));
        app.Press(*report, IDOK);
        EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");

        // The boxes show the registry: the crashed library registered nothing, the
        // library after it ran.
        EXPECT_EQ(app.Check(crash.box), 0);
        EXPECT_EQ(app.Check(kCheck6), 1);
        EXPECT_EQ(InprocServer(filters::Row("Check6").clsids[0]),
                  pack.InstallDir() + "filtres\\ffdshow.ax");
        const auto modules = ModulesOf(app.ProcessId());
        EXPECT_FALSE(modules.empty());
        std::string crashed = crash.file;
        std::transform(crashed.begin(), crashed.end(), crashed.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (const std::string& library : {crashed, std::string("ffdshow.ax")}) {
            EXPECT_EQ(std::count(modules.begin(), modules.end(), library), 0) << library;
        }
        EXPECT_TRUE(app.Running());
        EXPECT_TRUE(app.SendClick(kCheck6)) << "the window answers";
        app.RequestClose();
        if (auto question = app.WaitForDialog(3000)) {
            app.Press(*question, IDYES);
        }
        EXPECT_TRUE(app.WaitForExit());
        UnregisterEveryFilter();
        ASSERT_TRUE(
            CopyOneFile(BuildPath(std::string("testlibs/filtres/") + crash.file), installed));
    }
}

}  // namespace
}  // namespace tzp::testing
