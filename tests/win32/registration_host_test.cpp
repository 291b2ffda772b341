// The registration host started for real from the built program, with a library that
// runs past a short limit: the caller goes on on time, the host finishes the library on
// its own and then ends, and the caller never loads a library itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "filters/registration_host.h"
#include "platform/win32/host_process_win32.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/real_panel.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

bool ThisProcessHasLoaded(const std::string& lowerCaseName) {
    const auto modules = ModulesOf(GetCurrentProcessId());
    return std::find(modules.begin(), modules.end(), lowerCaseName) != modules.end();
}

TEST(RegistrationHost, ALibraryPastTheLimitIsLeftInTheHostAndTheNextRunsOnTime) {
    ScratchDir install;
    const std::string folder = install.Path() + "\\";
    // ts.dll takes 3 s before it registers anything; ffdshow.ax returns at once.
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/variants/slow/ts.dll"), folder + "ts.dll"));
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/filtres/ffdshow.ax"), folder + "ffdshow.ax"));
    RealPanel panel(folder);
    platform::Win32RegistrationHost host(platform::Widen(BuildPath("tzpcp.exe")));
    ASSERT_TRUE(host.Start().ok());
    const DWORD hostId = host.ProcessId();

    const auto start = std::chrono::steady_clock::now();
    const auto slow = filters::RunInHost(panel.app, host, folder + "ts.dll", "u", 1000);
    const auto next = filters::RunInHost(panel.app, host, folder + "ffdshow.ax", "u", 1000);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(slow.kind, filters::OutcomeKind::TimedOut);
    EXPECT_EQ(next.kind, filters::OutcomeKind::Done) << "the same host, on a fresh thread";
    EXPECT_EQ(host.ProcessId(), hostId);
    EXPECT_LT(took, std::chrono::milliseconds(2500));
    host.Finish();

    EXPECT_FALSE(ThisProcessHasLoaded("ts.dll"));
    EXPECT_FALSE(ThisProcessHasLoaded("ffdshow.ax"));
    // Let go, the host finishes ts.dll and ends by itself.
    const HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, hostId);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process);
}

}  // namespace
}  // namespace tzp::testing
