// What the elevated program loads and hands on: a filter library finds the libraries it
// needs in its own folder (and nowhere the current folder would offer), and the apply
// imports the very copy of the profile's registry file that it checked.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/files_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/wide.h"
#include "profiles/apply.h"
#include "support/real_panel.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

using platform::Widen;

TEST(LibrarySearch, AFilterLibraryFindsTheLibrariesBesideItAndNotInTheCurrentFolder) {
    ScratchDir scratch;
    const std::string together = scratch.Path() + "\\with helper";
    const std::string alone = scratch.Path() + "\\alone";
    const std::string current = scratch.Path() + "\\current";
    for (const auto& folder : {together, alone, current}) {
        ASSERT_TRUE(MakeDirs(folder));
    }
    const std::string built = BuildPath("testlibs/dependent/");
    ASSERT_EQ(CopyFolderFiles(BuildPath("testlibs/dependent"), together), 2);
    ASSERT_TRUE(CopyOneFile(built + "dependent.dll", alone + "\\dependent.dll"));
    ASSERT_TRUE(CopyOneFile(built + "tzp_helper.dll", current + "\\tzp_helper.dll"));
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(Widen(current).c_str()));

    // The lonely copy first: once loaded, a library of the same name would serve both.
    platform::Win32SelfRegistration loader;
    const auto lonely = loader.Load(alone + "\\dependent.dll");
    const auto loaded = loader.Load(together + "\\dependent.dll");
    SetCurrentDirectoryW(previous);

    ASSERT_TRUE(loaded.module) << "error " << loaded.error;
    EXPECT_TRUE(loader.FindEntryPoint(*loaded.module, "DllRegisterServer"));
    loader.Free(*loaded.module);
    EXPECT_FALSE(lonely.module) << "the helper was taken from the current folder";
    if (lonely.module) {
        loader.Free(*lonely.module);
    }
}

// Swaps the profile's registry file for another once it has been checked, just before the
// registry editor starts, as someone who can write to Sav\ would between check and import.
class SwappingProcesses : public platform::Win32Processes {
  public:
    std::string profileFile;
    std::string swapIn;
    std::string imported;  // the file the editor was given

    platform::StartResult Start(const std::string& commandLine,
                                platform::WindowStyle style) override {
        EXPECT_TRUE(WriteBytes(profileFile, swapIn));
        const size_t open = commandLine.find('"');
        imported = commandLine.substr(open + 1, commandLine.rfind('"') - open - 1);
        return Win32Processes::Start(commandLine, style);
    }
};

TEST(PrivateCopy, TheApplyImportsTheCheckedCopyEvenWhenTheFileIsSwappedAfterTheCheck) {
    TestPack pack;
    RealPanel panel{pack.PackDir()};
    SwappingProcesses processes;
    processes.profileFile = pack.PackDir() + "\\Sav\\Swap.reg";
    processes.swapIn =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Planted]\r\n\"Taken\"=\"yes\"\r\n";
    ASSERT_TRUE(WriteBytes(processes.profileFile,
                           "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\AC3Filter]\r\n"
                           "\"Gain\"=dword:00000007\r\n"));
    platform::Platform platform{panel.registry, panel.files, panel.versions, panel.selfRegistration,
                                processes,      panel.shell, panel.ui};
    App app{*panel.form, platform, pack.PackDir()};
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\AC3Filter");

    const auto result = profiles::RunApply(app, "Swap", true);

    EXPECT_EQ(result.import.kind, profiles::ImportKind::Done) << result.import.reason;
    EXPECT_NE(processes.imported.find("\\tzpcp\\import-"), std::string::npos) << processes.imported;
    EXPECT_FALSE(Exists(processes.imported)) << "the copy is removed once imported";
    DWORD gain = 0;
    DWORD size = sizeof gain;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\AC3Filter", L"Gain", RRF_RT_REG_DWORD,
                           nullptr, &gain, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(gain, 7u);
    DWORD takenSize = 0;
    EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Planted", L"Taken", RRF_RT_ANY, nullptr,
                           nullptr, &takenSize),
              ERROR_SUCCESS)
        << "the swapped-in file was imported";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\AC3Filter");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Planted");
}

// The window does not wait for the editor: a copy whose removal it could not see to (the
// window closed first) goes at the next start. Each copy has a name of its own.
TEST(PrivateCopy, CopiesHaveNamesOfTheirOwnAndLeftOnesGoAtTheNextStart) {
    platform::Win32Files files;
    std::string first;
    std::string second;
    ASSERT_TRUE(files.WritePrivateCopy("REGEDIT4\r\n", first).ok());
    ASSERT_TRUE(files.WritePrivateCopy("REGEDIT4\r\n", second).ok());
    EXPECT_NE(first, second);
    EXPECT_EQ(files.ReadAll(first), "REGEDIT4\r\n");
    files.RemoveLeftPrivateCopies();
    EXPECT_FALSE(Exists(first));
    EXPECT_FALSE(Exists(second));
}

}  // namespace
}  // namespace tzp::testing
