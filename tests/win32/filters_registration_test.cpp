// The registration pass on the real loader and registry of the test's Wine prefix, with
// the test filter libraries: their entry points really write and remove the classes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <vector>

#include "filters/catalogue.h"
#include "filters/registration.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "platform/win32/wide.h"
#include "shell/startup.h"
#include "support/real_panel.h"
#include "support/test_pack.h"
#include "support/wine_files.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

using platform::Widen;
using testing::BuildPath;
using testing::InprocServer;
using testing::UnregisterEveryFilter;

// A control panel on the real services that says Yes to every question.
struct RealPanel : testing::RealPanel {
    explicit RealPanel(const std::string& packDir) : testing::RealPanel(packDir) {
        ui.unscriptedAnswer = platform::Answer::Yes;
    }
    std::set<std::string> Ticked() const {
        std::set<std::string> ticked;
        for (const auto& row : filters::Catalogue()) {
            if (form->Value(row.box) == 1) {
                ticked.emplace(row.box);
            }
        }
        return ticked;
    }
};

bool IsLoaded(const std::string& path) {
    return GetModuleHandleW(Widen(path).c_str()) != nullptr;
}

struct FilterRegistrationTest : ::testing::Test {
    testing::TestPack pack;
    void SetUp() override {
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register();
    }
    void TearDown() override { UnregisterEveryFilter(); }
    std::string Library(std::string_view box) const {
        return pack.InstallDir() + std::string(filters::Row(box).library);
    }
    // Replaces a library of the installation by one of the failure variants.
    void UseVariant(const std::string& kind, const std::string& file) {
        ASSERT_TRUE(testing::CopyOneFile(BuildPath("testlibs/variants/" + kind + "/" + file),
                                         pack.InstallDir() + "filtres\\" + file));
    }
};

TEST_F(FilterRegistrationTest, RegisteringWritesTheClassesAndUnregisteringRemovesThem) {
    RealPanel panel(pack.PackDir());
    const std::string library = Library("Check2");
    filters::RunSelfRegistration(panel.platform, library, "");
    for (const auto clsid : filters::Row("Check2").clsids) {
        EXPECT_EQ(InprocServer(clsid), library) << clsid;
    }
    EXPECT_FALSE(IsLoaded(library));
    EXPECT_FALSE(panel.ui.busy);

    filters::RunSelfRegistration(panel.platform, library, "U");
    for (const auto clsid : filters::Row("Check2").clsids) {
        EXPECT_EQ(InprocServer(clsid), std::nullopt) << clsid;
    }
    EXPECT_FALSE(IsLoaded(library));
}

TEST_F(FilterRegistrationTest, ARestartAfterAnApplyDetectsExactlyWhatWasApplied) {
    {
        RealPanel panel(pack.PackDir());
        panel.Start();
        EXPECT_EQ(panel.Ticked(), std::set<std::string>{});
        EXPECT_EQ(panel.form->Caption("Check6"), "FFDshow (version 1.3.4531.0)");
        for (const char* box : {"Check6", "Check2", "Check70", "Check17", "Check20"}) {
            panel.form->UserToggle(box);
        }
        panel.form->Click("Command3");
        EXPECT_EQ(panel.ui.messages.back(), "The filter settings have been applied.");
    }
    const std::set<std::string> applied = {"Check6",  "Check2",  "Check13",
                                           "Check70", "Check17", "Check20"};
    {
        RealPanel restarted(pack.PackDir());
        restarted.Start();
        EXPECT_EQ(restarted.Ticked(), applied);
        EXPECT_EQ(restarted.form->Value("ischange"), 0);
        // Turn two off again, the master with its whole group.
        restarted.form->UserToggle("Check13");
        restarted.form->UserToggle("Check6");
        restarted.form->Click("Command3");
    }
    RealPanel again(pack.PackDir());
    again.Start();
    EXPECT_EQ(again.Ticked(), (std::set<std::string>{"Check70", "Check17", "Check20"}));
    EXPECT_EQ(InprocServer("53D9DE0B-FC61-4650-9773-74D13CC7E582"), std::nullopt);
    EXPECT_EQ(InprocServer("F352C9C1-D39D-4622-A279-978A60927CDE"), Library("Check70"));
}

TEST_F(FilterRegistrationTest, MissingFailingAndEntrylessLibrariesAreSkipped) {
    UseVariant("noentry", "vp7dec.ax");
    UseVariant("failing", "RealMediaSplitter.ax");
    ASSERT_TRUE(DeleteFileW(Widen(Library("Check10")).c_str()));
    RealPanel panel(pack.PackDir());
    panel.Start();
    for (const auto& row : filters::Catalogue()) {
        panel.form->SetValueQuietly(row.box, 1);
    }
    filters::ApplyFilterStates(panel.app);

    EXPECT_EQ(InprocServer(filters::Row("Check12").clsids[0]), std::nullopt);
    EXPECT_EQ(InprocServer(filters::Row("Check9").clsids[0]), std::nullopt);
    EXPECT_EQ(InprocServer(filters::Row("Check10").clsids[0]), std::nullopt);
    // The rows before and after them went through.
    EXPECT_EQ(InprocServer(filters::Row("Check11").clsids[0]), Library("Check11"));
    EXPECT_EQ(InprocServer(filters::Row("Check1").clsids[0]), Library("Check1"));
    EXPECT_EQ(InprocServer(filters::Row("Check6").clsids[20]), Library("Check6"));
    for (const auto& row : filters::Catalogue()) {
        if (!row.library.empty()) {
            EXPECT_FALSE(IsLoaded(Library(row.box))) << row.box;
        }
    }
    EXPECT_FALSE(panel.ui.busy);
    EXPECT_TRUE(panel.ui.messages.empty());
}

TEST_F(FilterRegistrationTest, ANeverReturningEntryPointCostsTheWaitAndThePassGoesOn) {
    UseVariant("hanging", "ac3filter.ax");  // the pass's first row
    RealPanel panel(pack.PackDir());
    panel.Start();
    panel.form->SetValueQuietly("Check11", 1);
    panel.form->SetValueQuietly("Check9", 1);

    const auto start = std::chrono::steady_clock::now();
    filters::ApplyFilterStates(panel.app);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("pass with one never-returning entry point: %.2f s\n", seconds);

    // A functional bound, not a speed target: the full wait, then on; never stuck.
    EXPECT_GE(seconds, 9.9);
    EXPECT_LT(seconds, 60.0);
    EXPECT_EQ(InprocServer(filters::Row("Check9").clsids[0]), Library("Check9"));
    // Still running its entry point, so still loaded; the others were let go of.
    EXPECT_TRUE(IsLoaded(Library("Check11")));
    EXPECT_FALSE(IsLoaded(Library("Check9")));
    EXPECT_FALSE(panel.ui.busy);
}

TEST_F(FilterRegistrationTest, OneApplyReportsEachFailureAndTheBoxesShowTheRegistry) {
    RealPanel panel(pack.PackDir());
    // RealMediaSplitter is registered, then its library turns into one whose entry
    // points answer "access denied": it cannot be unregistered.
    ASSERT_EQ(filters::RunSelfRegistration(panel.platform, Library("Check9"), "").kind,
              filters::OutcomeKind::Done);
    UseVariant("failing", "RealMediaSplitter.ax");
    UseVariant("noentry", "vp7dec.ax");
    ASSERT_TRUE(testing::WriteBytes(Library("Check17"), "MZ, but not a library"));
    ASSERT_TRUE(DeleteFileW(Widen(Library("Check10")).c_str()));  // to be unregistered
    panel.Start();
    ASSERT_EQ(panel.form->Value("Check9"), 1);
    panel.form->UserToggle("Check9");
    for (const char* box : {"Check12", "Check17", "Check6"}) {
        panel.form->UserToggle(box);
    }
    panel.form->Click("Command3");

    ASSERT_EQ(panel.ui.messages.size(), 2u);
    const std::string& report = panel.ui.messages[0];
    std::printf("%s\n", report.c_str());
    EXPECT_NE(report.find("\r\nRealMediaSplitter.ax: the library reported the failure "
                          "0x80070005"),
              std::string::npos);
    EXPECT_NE(report.find("\r\nvp7dec.ax: the library has no entry point"), std::string::npos);
    EXPECT_NE(report.find("\r\nMpegSplitter.ax: the library cannot be loaded: "),
              std::string::npos);
    EXPECT_EQ(report.find("VSFilter"), std::string::npos);
    EXPECT_EQ(panel.ui.messages[1], "The filter settings have been applied.");
    EXPECT_EQ(panel.Ticked(), (std::set<std::string>{"Check9", "Check6"}));
    EXPECT_EQ(InprocServer(filters::Row("Check9").clsids[0]), Library("Check9"));
    EXPECT_EQ(InprocServer(filters::Row("Check6").clsids[0]), Library("Check6"));
}

TEST_F(FilterRegistrationTest, ATimedOutLibraryIsReleasedOnceItsEntryPointEnds) {
    UseVariant("slow", "ts.dll");  // its entry points take 3 s
    RealPanel panel(pack.PackDir());
    const std::string library = Library("Check5");
    const auto outcome = filters::RunSelfRegistration(panel.platform, library, "", 500);
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::TimedOut);
    EXPECT_TRUE(IsLoaded(library));
    EXPECT_FALSE(panel.ui.busy);

    const auto start = std::chrono::steady_clock::now();
    while (IsLoaded(library) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        Sleep(50);
    }
    EXPECT_FALSE(IsLoaded(library));
    // It did its work, late.
    EXPECT_EQ(InprocServer(filters::Row("Check5").clsids[0]), library);
}

TEST_F(FilterRegistrationTest, ALibraryOfTheOtherBitnessIsNamedAsSuch) {
    UseVariant("otherbits", "ts.dll");
    RealPanel panel(pack.PackDir());
    const auto outcome = filters::RunSelfRegistration(panel.platform, Library("Check5"), "");
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::OtherBitness);
    const char* other = sizeof(void*) == 8 ? "32" : "64";
    EXPECT_EQ(filters::OutcomeText(panel.app, outcome),
              std::string("a ") + other + "-bit library; use the " + other + "-bit control panel");
}

// ---- the wait itself

struct WindowLog {
    std::vector<UINT> seen;
};

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* log = reinterpret_cast<WindowLog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (log != nullptr) {
        log->seen.push_back(message);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

DWORD WINAPI SleepFor(LPVOID milliseconds) {
    Sleep(static_cast<DWORD>(reinterpret_cast<uintptr_t>(milliseconds)));
    return 0;
}

struct WaitTest : ::testing::Test {
    WindowLog log;
    HWND window = nullptr;
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = LoggingProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TzpWaitTest";
        RegisterClassW(&windowClass);
        window = CreateWindowW(L"TzpWaitTest", L"wait", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
        ShowWindow(window, SW_SHOWNOACTIVATE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        log.seen.clear();
    }
    void TearDown() override { DestroyWindow(window); }
    bool Saw(UINT message) const {
        return std::find(log.seen.begin(), log.seen.end(), message) != log.seen.end();
    }
    static platform::Win32EntryPointThread Sleeper(DWORD milliseconds) {
        return platform::Win32EntryPointThread(platform::UniqueHandleT(CreateThread(
            nullptr, 0, SleepFor, reinterpret_cast<LPVOID>(uintptr_t{milliseconds}), 0, nullptr)));
    }
};

TEST_F(WaitTest, RepaintsAndRunsOtherMessagesButDropsTheUsersInput) {
    auto thread = Sleeper(400);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(window, WM_CHAR, L' ', 0);
    PostMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, 0);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(window, WM_APP + 7, 0, 0);
    InvalidateRect(window, nullptr, TRUE);

    EXPECT_TRUE(thread.Wait(5000));

    EXPECT_TRUE(Saw(WM_APP + 7));
    EXPECT_TRUE(Saw(WM_PAINT));
    for (const UINT input : std::initializer_list<UINT>{
             WM_LBUTTONDOWN, WM_KEYDOWN, WM_CHAR, WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_CLOSE}) {
        EXPECT_FALSE(Saw(input)) << input;
    }
    // Dropped, not kept for later.
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, window, 0, 0, PM_NOREMOVE));
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WaitTest, GivesUpAfterTheTimeAndKeepsAQuitRequest) {
    auto thread = Sleeper(3000);
    PostQuitMessage(3);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(thread.Wait(300));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(290));
    EXPECT_LT(waited, std::chrono::milliseconds(2500));
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
    EXPECT_TRUE(thread.Wait(10000));
}

}  // namespace
}  // namespace tzp
