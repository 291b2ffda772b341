// The registration host started for real from the built program, with libraries that
// test its limits: one that runs past a short limit (the caller goes on on time, the host
// finishes the library on its own and then ends, and the caller never loads a library
// itself), one that writes over the channel, one that handles its own exceptions as it
// loads, and one that never returns; and the channel's access list.
#include <gtest/gtest.h>

#include <windows.h>
#include <aclapi.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "filters/registration_in_host.h"
#include "platform/win32/handles.h"
#include "platform/win32/registration_host_win32.h"
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

struct RegistrationHost : ::testing::Test {
    ScratchDir install;
    const std::string folder = install.Path() + "\\";
    RealPanel panel{folder};
    platform::Win32RegistrationHost host{platform::Widen(BuildPath("tzpcp.exe"))};

    // Puts the library from `built` (below the build folder) into the installation
    // folder and gives its path there.
    std::string Install(const std::string& built) {
        const std::string installed = folder + built.substr(built.rfind('/') + 1);
        EXPECT_TRUE(CopyOneFile(BuildPath(built), installed));
        return installed;
    }
    // The running host, to wait on.
    platform::UniqueHandleT HostProcess() {
        return platform::UniqueHandleT(
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, host.ProcessId()));
    }
};

TEST_F(RegistrationHost, ALibraryPastTheLimitIsLeftInTheHostAndTheNextRunsOnTime) {
    // ts.dll takes 3 s before it registers anything; ffdshow.ax returns at once.
    const std::string slowPath = Install("testlibs/variants/slow/ts.dll");
    const std::string nextPath = Install("testlibs/filtres/ffdshow.ax");
    ASSERT_TRUE(host.Start().ok());
    const DWORD hostId = host.ProcessId();
    const auto process = HostProcess();
    ASSERT_TRUE(process);

    const auto start = std::chrono::steady_clock::now();
    const auto slow = filters::RunInHost(panel.platform, host, slowPath, "u", 1000);
    const auto next = filters::RunInHost(panel.platform, host, nextPath, "u", 1000);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(slow.kind, filters::OutcomeKind::TimedOut);
    EXPECT_EQ(next.kind, filters::OutcomeKind::Done) << "the same host, on a fresh thread";
    EXPECT_EQ(host.ProcessId(), hostId);
    EXPECT_LT(took, std::chrono::milliseconds(2500));
    host.Finish();

    EXPECT_FALSE(ThisProcessHasLoaded("ts.dll"));
    EXPECT_FALSE(ThisProcessHasLoaded("ffdshow.ax"));
    // Let go, the host finishes ts.dll and ends by itself.
    EXPECT_EQ(WaitForSingleObject(process.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(process.get(), 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.get(), &code);
    EXPECT_EQ(code, 0u);
}

TEST_F(RegistrationHost, ALibraryWritingOverTheChannelIsItsCrashAndKeepsNobodyPastTheLimit) {
    // mkx.dll writes without a line end for 20 s as it loads.
    const std::string path = Install("testlibs/variants/flooding/mkx.dll");
    ASSERT_TRUE(host.Start().ok());
    const auto process = HostProcess();
    ASSERT_TRUE(process);

    const auto start = std::chrono::steady_clock::now();
    const auto outcome = filters::RunInHost(panel.platform, host, path, "u", 1000);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::Crashed);
    EXPECT_LT(took, std::chrono::milliseconds(1000 + filters::kHostGraceMs));
    EXPECT_EQ(WaitForSingleObject(process.get(), 5000), WAIT_OBJECT_0) << "the host is ended";
}

TEST_F(RegistrationHost, ALibraryThatHandlesItsOwnExceptionsAsItLoadsRunsAsAnyOther) {
    // avi.dll probes unreadable memory with IsBadReadPtr in its DllMain.
    const std::string path = Install("testlibs/variants/probing/avi.dll");
    ASSERT_TRUE(host.Start().ok());
    const DWORD hostId = host.ProcessId();
    const auto outcome = filters::RunInHost(panel.platform, host, path, "u", 5000);
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::Done) << filters::OutcomeText(panel.app, outcome);
    EXPECT_EQ(host.ProcessId(), hostId) << "the same host goes on";
}

TEST_F(RegistrationHost, AHostLeftWithALibraryThatNeverReturnsEndsWithThePass) {
    // ac3filter.ax's entry points never return.
    const std::string path = Install("testlibs/variants/hanging/ac3filter.ax");
    ASSERT_TRUE(host.Start().ok());
    const auto process = HostProcess();
    ASSERT_TRUE(process);
    EXPECT_EQ(filters::RunInHost(panel.platform, host, path, "u", 200).kind,
              filters::OutcomeKind::TimedOut);
    host.Finish();
    EXPECT_EQ(WaitForSingleObject(process.get(), 500), static_cast<DWORD>(WAIT_TIMEOUT))
        << "let go, the host waits for its library";
    host.EndHosts();
    EXPECT_EQ(WaitForSingleObject(process.get(), 5000), WAIT_OBJECT_0);
}

std::vector<unsigned char> ThisProcessUser() {
    HANDLE token = nullptr;
    DWORD size = 0;
    std::vector<unsigned char> user;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        user.resize(size);
        GetTokenInformation(token, TokenUser, user.data(), size, &size);
        CloseHandle(token);
    }
    return user;
}

TEST(RegistrationHostChannel, OnlyThisProgramsOwnUserMayOpenIt) {
    platform::HostChannel channel;
    ASSERT_TRUE(platform::OpenHostChannel(channel).ok());
    const auto user = ThisProcessUser();
    ASSERT_FALSE(user.empty());
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    PSID owner = nullptr;
    PACL access = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(channel.ours.get(), SE_KERNEL_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &access, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(access, nullptr) << "no list lets everybody in";
    EXPECT_EQ(access->AceCount, 1);
    void* entry = nullptr;
    ASSERT_TRUE(GetAce(access, 0, &entry));
    const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
    EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&allowed->SidStart), sid));
    EXPECT_TRUE(owner != nullptr && EqualSid(owner, sid));
    LocalFree(descriptor);
}

}  // namespace
}  // namespace tzp::testing
