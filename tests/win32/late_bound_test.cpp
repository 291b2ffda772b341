// The shell is loaded at its first use rather than with the program: the call must still
// reach it, and a library or function that cannot be found must fail, not crash.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/late_bound.h"
#include "platform/win32/processes_win32.h"
#include "support/wine_files.h"

namespace tzp::platform {
namespace {

TEST(LateBound, FindsSystemFunctionsAndNothingElse) {
    EXPECT_NE(LateBound<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW"), nullptr);
    EXPECT_EQ(LateBound<decltype(ShellExecuteW)>(L"shell32.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(LateBound<decltype(ShellExecuteW)>(L"tzp-no-such-library.dll", "ShellExecuteW"),
              nullptr);
}

TEST(LateBound, OpeningAnAddressReachesTheShell) {
    // The shell's own answer for a file that is not there: not a failure to load it.
    testing::ScratchDir dir;
    const Status status = Win32Shell().OpenAddress(dir.Path() + "\\missing.tzpdoc");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error, static_cast<uint32_t>(ERROR_MOD_NOT_FOUND));
    EXPECT_NE(status.error, static_cast<uint32_t>(ERROR_PROC_NOT_FOUND));
}

}  // namespace
}  // namespace tzp::platform
