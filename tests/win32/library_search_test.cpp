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

    ASSERT_TRUE(loaded.library) << "error " << loaded.error;
    EXPECT_TRUE(loaded.library->FindEntryPoint("DllRegisterServer"));
    EXPECT_FALSE(lonely.library) << "the helper was taken from the current folder";
}

// Swaps the profile's registry file for another once it has been checked, just before the
// registry editor starts, as someone who can write to Sav\ would between check and import;
// and tries to rewrite, rename and remove the checked copy itself, the rewrite from a
// second process, as someone who reached the temporary folder would.
class SwappingProcesses : public platform::Win32Processes {
  public:
    std::string profileFile;
    std::string swapIn;
    std::string checked;                   // the profile's file as it was checked
    std::string imported;                  // the file the editor was given
    std::vector<std::string> changedCopy;  // what was done to the copy that should not be

    platform::StartResult Start(const std::string& commandLine,
                                platform::WindowStyle style) override {
        EXPECT_TRUE(WriteBytes(profileFile, swapIn));
        const size_t open = commandLine.find('"');
        imported = commandLine.substr(open + 1, commandLine.rfind('"') - open - 1);
        auto rewrite = Win32Processes::Start("cmd /c \"echo REGEDIT4> \"" + imported + "\"\"",
                                             platform::WindowStyle::Hidden);
        if (rewrite.process) {
            rewrite.process->WaitForExit(INFINITE);
        }
        if (ReadBytes(imported) != std::optional<std::string>(checked)) {
            changedCopy.push_back("rewritten");
        }
        if (MoveFileW(Widen(imported).c_str(), Widen(imported + ".moved").c_str())) {
            changedCopy.push_back("renamed");
            MoveFileW(Widen(imported + ".moved").c_str(), Widen(imported).c_str());
        }
        if (DeleteFileW(Widen(imported).c_str())) {
            changedCopy.push_back("removed");
        }
        return Win32Processes::Start(commandLine, style);
    }
};

TEST(PrivateCopy, TheApplyImportsTheCheckedCopyWhateverIsDoneToTheFileOrTheCopy) {
    TestPack pack;
    RealPanel panel{pack.PackDir()};
    SwappingProcesses processes;
    processes.profileFile = pack.PackDir() + "\\Sav\\Swap.reg";
    processes.swapIn =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Planted]\r\n\"Taken\"=\"yes\"\r\n";
    processes.checked =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\AC3Filter]\r\n\"Gain\"=dword:00000007\r\n";
    ASSERT_TRUE(WriteBytes(processes.profileFile, processes.checked));
    platform::Platform platform{panel.registry, panel.files, panel.versions, panel.selfRegistration,
                                processes,      panel.shell, panel.ui,       panel.errors};
    App app{*panel.form, platform, pack.PackDir()};
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\AC3Filter");

    const auto result = profiles::RunApply(app, "Swap", true);

    EXPECT_EQ(result.import.kind, profiles::ImportKind::Done) << result.import.reason;
    EXPECT_NE(processes.imported.find("\\tzpcp-"), std::string::npos) << processes.imported;
    EXPECT_EQ(processes.changedCopy, std::vector<std::string>{}) << "the held copy was changed";
    EXPECT_FALSE(Exists(processes.imported)) << "the copy is removed once imported";
    EXPECT_FALSE(Exists(processes.imported.substr(0, processes.imported.rfind('\\'))))
        << "and its folder with it";
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

// Each copy has a folder of its own, which goes with it. The window does not wait for the
// editor: a copy left by a program that ended first goes at the next start.
TEST(PrivateCopy, CopiesHaveFoldersOfTheirOwnAndLeftOnesGoAtTheNextStart) {
    platform::Win32Files files;
    auto first = files.WritePrivateCopy("REGEDIT4\r\n");
    auto second = files.WritePrivateCopy("REGEDIT4\r\n");
    ASSERT_TRUE(first.copy && second.copy) << first.status.error << " " << second.status.error;
    const std::string path = first.copy->Path();
    const std::string folder = path.substr(0, path.rfind('\\'));
    EXPECT_NE(folder, second.copy->Path().substr(0, second.copy->Path().rfind('\\')));
    EXPECT_EQ(first.copy->Read(), "REGEDIT4\r\n");
    EXPECT_EQ(ReadBytes(path), "REGEDIT4\r\n") << "others may read the held copy";
    first.copy.reset();
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(folder));

    const std::string left = second.copy->Path();
    const std::string leftFolder = left.substr(0, left.rfind('\\'));
    second.copy.reset();
    ASSERT_TRUE(MakeDirs(leftFolder));
    ASSERT_TRUE(WriteBytes(left, "REGEDIT4\r\n"));
    files.RemoveLeftPrivateCopies();
    EXPECT_FALSE(Exists(left));
    EXPECT_FALSE(Exists(leftFolder));
}

}  // namespace
}  // namespace tzp::testing
