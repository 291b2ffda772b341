// The apply as the user sees it, timed from outside: from pressing Yes on the question
// until the closing message shows, in the real program (host process included) and in
// the plain floor program (the same two message boxes around the bare in-process loop).
#include "user_seen_apply.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "filters/catalogue.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "support/wine_files.h"
#include "ui/control_ids.h"

namespace tzp::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr char kQuestion[] = "Apply the filter settings now?";
constexpr char kApplied[] = "The filter settings have been applied.";
constexpr int kCommand3 = 1103;

struct DialogSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    if (owner == search.process && IsWindowVisible(window) && lstrcmpW(kind, L"#32770") == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::string MessageOf(HWND dialog) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, 0xFFFF, text, 1024);
    return platform::Narrow(text);
}

// Polls every millisecond, so the figure is not rounded to a driver's usual 50 ms.
HWND WaitForMessage(DWORD process, const std::string& text, int milliseconds = 30000) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < end) {
        DialogSearch search{process, nullptr};
        EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            const std::string seen = MessageOf(search.found);
            if (seen == text) {
                return search.found;
            }
            // A report between the two: say it, let it go. (A box on its way out reads
            // empty.)
            if (!seen.empty() && seen != kQuestion) {
                std::printf("unexpected message: %s\n", seen.c_str());
                PostMessageW(GetDlgItem(search.found, IDOK), BM_CLICK, 0, 0);
            }
        }
        Sleep(1);
    }
    return nullptr;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Yes on the question once it has been read for `readingMs`, then the time until the
// closing message shows; OK closes it.
double TimeFromYesToApplied(DWORD process, int readingMs) {
    const HWND question = WaitForMessage(process, kQuestion);
    if (question == nullptr) {
        return -1;
    }
    Sleep(static_cast<DWORD>(readingMs));
    const auto start = Clock::now();
    PressButton(question, IDYES);
    const HWND applied = WaitForMessage(process, kApplied);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (applied == nullptr) {
        return -1;
    }
    PressButton(applied, IDOK);
    while (IsWindow(applied)) {
        Sleep(1);
    }
    return ms;
}

std::vector<int> LibraryBoxes() {
    std::vector<int> boxes;
    for (const auto& row : filters::Catalogue()) {
        if (!row.library.empty()) {
            boxes.push_back(*ui::ControlId(row.box));
        }
    }
    return boxes;
}

// One apply in the program with every library's box set to `value`.
double ProgramApply(GuiApp& app, int value, int readingMs) {
    const auto boxes = LibraryBoxes();
    for (int id : boxes) {
        if (app.Check(id) != value) {
            app.Click(id);
        }
    }
    if (!WaitUntil([&] {
            return std::all_of(boxes.begin(), boxes.end(),
                               [&](int id) { return app.Check(id) == value; });
        })) {
        std::printf("the boxes did not all follow\n");
    }
    app.Click(kCommand3);
    return TimeFromYesToApplied(app.ProcessId(), readingMs);
}

struct Floor {
    PROCESS_INFORMATION process{};
    explicit Floor(const std::string& libraryFolder) {
        std::wstring commandLine = L"\"" +
                                   platform::Widen(BuildPath("testlibs/tzp_apply_floor.exe")) +
                                   L"\" \"" + platform::Widen(libraryFolder) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            process = {};
        }
    }
    ~Floor() {
        if (process.hProcess != nullptr) {
            if (const HWND question = WaitForMessage(process.dwProcessId, kQuestion, 5000)) {
                PressButton(question, IDNO);
            }
            if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
                TerminateProcess(process.hProcess, 1);
            }
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;
};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

void Print(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-24s runs: %zu  min %.1f ms  median %.1f ms  max %.1f ms\n", what, times.size(),
                times.front(), Median(times), times.back());
}

struct Series {
    std::vector<double> program, plain, ratios;
};

// One pair of applies (register what is absent, unregister what is present) in each.
void Round(GuiApp& app, Floor& floor, bool programFirst, int readingMs, Series& series) {
    double programPair = 0;
    double floorPair = 0;
    for (int turn = 0; turn < 2; ++turn) {
        if ((turn == 0) == programFirst) {
            const double on = ProgramApply(app, 1, readingMs);
            const double off = ProgramApply(app, 0, readingMs);
            series.program.insert(series.program.end(), {on, off});
            programPair = on + off;
        } else {
            const double on = TimeFromYesToApplied(floor.process.dwProcessId, readingMs);
            const double off = TimeFromYesToApplied(floor.process.dwProcessId, readingMs);
            series.plain.insert(series.plain.end(), {on, off});
            floorPair = on + off;
        }
    }
    series.ratios.push_back(programPair / floorPair);
}

void PrintSeries(const char* how, const Series& series) {
    std::printf("%s\n", how);
    Print("  program apply", series.program);
    Print("  floor (boxes + bare)", series.plain);
    std::printf("  user-seen apply / floor: median of pairs %.2f  of medians %.2f\n",
                Median(series.ratios), Median(series.program) / Median(series.plain));
}

}  // namespace

// A user reads the question before pressing Yes; the program starts its registration
// host as it asks, so that reading time is when the host starts. The figure with a Yes
// at the instant the question shows is printed too: it carries the host's whole start.
void TimeUserSeenApply(int rounds) {
    constexpr int kReadingMs = 300;
    TestPack pack;
    pack.InstallProgram();
    const int libraries = pack.InstallFilterLibraries();
    pack.Register("en");
    std::printf(
        "user-seen apply over %d libraries, from Yes in the question to the closing "
        "message\n",
        libraries);
    GuiApp app(pack.ProgramPath());
    Floor floor(pack.InstallDir() + "filtres");
    if (!app.Started() || floor.process.hProcess == nullptr) {
        std::printf("the program or the floor did not start\n");
        return;
    }
    Series read, instant;
    for (int i = 0; i < std::max(rounds, 1); ++i) {
        Round(app, floor, i % 2 == 0, kReadingMs, read);
        Round(app, floor, i % 2 != 0, 0, instant);
    }
    PrintSeries("Yes after reading the question for 300 ms (as a user does):", read);
    PrintSeries("Yes at the instant the question shows:", instant);
    app.RequestClose();
    if (auto question = app.WaitForDialog(3000)) {
        app.Press(*question, IDYES);
    }
    app.WaitForExit();
    UnregisterEveryFilter();
}

}  // namespace tzp::testing
