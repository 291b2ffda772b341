// Starting a program and waiting for it, on real processes: the stand-in updater runs
// as long and ends with the exit code its dod.cfg asks for.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <future>
#include <thread>

#include "platform/run_and_wait.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/wide.h"
#include "support/wine_files.h"

namespace tzp::platform {
namespace {

using testing::ScratchDir;

// Lets the thread's window messages run, as the window's own pump does, and counts.
class PumpingInteraction : public Interaction {
  public:
    void ShowMessage(std::string_view) override {}
    Answer Ask(std::string_view) override { return Answer::None; }
    std::optional<std::string> ChooseFileToOpen(const OpenFileRequest&) override {
        return std::nullopt;
    }
    void SetBusyCursor(bool) override {}
    void DoEvents() override {
        ++calls;
        if (onDoEvents) {
            onDoEvents();
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    void EndProgram() override {}

    int calls = 0;
    std::function<void()> onDoEvents;
};

int g_timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_timerTicks;
}

struct Outcome {
    bool result = false;
    std::string errorText;
    int doEvents = 0;
    int timerTicks = 0;
    bool answerSeenWhileWaiting = false;
};

struct RunAndWaitWin32 : ::testing::Test {
    ScratchDir dir;
    std::string updater = dir.Path() + "\\dod.exe";
    std::string answer = dir.Path() + "\\maj.txt";

    void SetUp() override {
        ASSERT_TRUE(testing::CopyOneFile(testing::BuildPath("testlibs/updater/dod.exe"), updater));
    }
    void Configure(const std::string& config) {
        ASSERT_TRUE(testing::WriteBytes(dir.Path() + "\\dod.cfg", config));
    }

    // Runs on a thread of its own, so that a wait that never ends fails the test
    // instead of hanging the whole run. The thread's timer fires while it waits.
    Outcome Run(const std::string& commandLine) {
        auto task = std::make_shared<std::packaged_task<Outcome()>>([this, commandLine] {
            Outcome outcome;
            Win32Processes processes;
            PumpingInteraction ui;
            ui.onDoEvents = [&] {
                outcome.answerSeenWhileWaiting |= testing::Exists(answer) && ui.calls == 1;
            };
            g_timerTicks = 0;
            const UINT_PTR timer = SetTimer(nullptr, 0, 20, CountTick);
            outcome.result =
                RunAndWait(processes, ui, commandLine, WindowStyle::Normal, outcome.errorText);
            KillTimer(nullptr, timer);
            outcome.doEvents = ui.calls;
            outcome.timerTicks = g_timerTicks;
            return outcome;
        });
        auto result = task->get_future();
        std::thread([task] { (*task)(); }).detach();
        if (result.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << "RunAndWait did not return within a minute: " << commandLine;
            // The stand-in and the waiting thread stay behind; the run is lost anyway.
            TerminateProcess(GetCurrentProcess(), 1);
        }
        return result.get();
    }
    std::string Quoted() const { return "\"" + updater + "\""; }
};

TEST_F(RunAndWaitWin32, AProgramThatEndsAtOnceHasEndedWhenItReturns) {
    Configure("answer=1\r\n");
    const Outcome outcome = Run(Quoted());
    EXPECT_TRUE(outcome.result);
    EXPECT_GE(outcome.doEvents, 1);
    EXPECT_EQ(testing::ReadBytes(answer), "1");
    EXPECT_EQ(outcome.errorText, "");
}

TEST_F(RunAndWaitWin32, WindowEventsKeepRunningWhileAProgramRunsForSeconds) {
    Configure("answer=0\r\ndelay=2500\r\n");
    const Outcome outcome = Run(Quoted() + " /TESSAVERSION=1.0");
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(testing::ReadBytes(answer), "0");
    // The program answers only at its end, so the first events ran while it was running,
    // and they kept running: a timer of 20 ms fired over and over during the wait.
    EXPECT_FALSE(outcome.answerSeenWhileWaiting);
    EXPECT_GE(outcome.doEvents, 10);
    EXPECT_GE(outcome.timerTicks, 10);
}

TEST_F(RunAndWaitWin32, AProgramEndingWithCode259IsSeenToHaveEnded) {
    Configure("answer=259\r\nexitcode=259\r\n");
    // The stand-in really ends with the code that reads as "still running".
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::wstring line = Widen(Quoted());
        ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &info));
        ASSERT_EQ(WaitForSingleObject(info.hProcess, 30000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        ASSERT_EQ(code, STILL_ACTIVE);
        DeleteFileW(Widen(answer).c_str());
    }
    const Outcome outcome = Run(Quoted());
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(testing::ReadBytes(answer), "259");
}

TEST_F(RunAndWaitWin32, AMissingProgramGivesFalseWithThePlatformsDescription) {
    const Outcome outcome = Run("\"" + dir.Path() + "\\no such program.exe\" /x");
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.doEvents, 0);
    EXPECT_TRUE(outcome.errorText == platform::DescribeSystemError(ERROR_FILE_NOT_FOUND) ||
                outcome.errorText == platform::DescribeSystemError(ERROR_PATH_NOT_FOUND))
        << outcome.errorText;
    EXPECT_NE(outcome.errorText, "");
}

}  // namespace
}  // namespace tzp::platform
