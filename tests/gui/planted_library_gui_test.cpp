// A version.dll planted beside the program (a download folder, an unpacked pack) never
// runs for it: the program imports only the system's known libraries and loads the others
// from the system folder by path. The prefix is told to prefer a library found on disk to
// Wine's own, as Windows does for every library that is not a known one. (Wine's own
// user32 imports version.dll, so the planted copy is loaded into every windowed program
// under Wine; the test library marks its first use, tests/testlibs/planted.)
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

constexpr int kCheck6 = 1006;
constexpr int kCommand3 = 1103;
constexpr const wchar_t* kOverrides = L"Software\\Wine\\DllOverrides";

struct PlantedLibraryGui : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
        ASSERT_TRUE(CopyFileW(platform::Widen(BuildPath("testlibs/planted/version.dll")).c_str(),
                              platform::Widen(pack.PackDir() + "\\version.dll").c_str(), FALSE));
        const wchar_t value[] = L"native,builtin";
        ASSERT_EQ(
            RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, L"version", REG_SZ, value, sizeof value),
            ERROR_SUCCESS);
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, L"version");
        UnregisterEveryFilter();
    }
    bool MarkerWritten() const {
        return GetFileAttributesW(
                   platform::Widen(pack.PackDir() + "\\version-used.marker").c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(PlantedLibraryGui, ALibraryBesideTheProgramNeverLoads) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    // The captions come from the system's version functions all the same.
    EXPECT_EQ(app.Text(kCheck6), "FFDshow (version 1.3.4531.0)");
    const auto tabs = app.TabCaptions().size();
    ASSERT_GE(tabs, 3u);
    for (int tab = static_cast<int>(tabs); tab >= 1; --tab) {
        app.SelectTab(tab);
    }
    app.Click(kCheck6);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    app.Click(kCommand3);
    EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
    EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");
    EXPECT_EQ(app.Text(kCheck6), "FFDshow (version 1.3.4531.0)");
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
    EXPECT_FALSE(MarkerWritten())
        << "the program called the planted version.dll: "
        << ReadBytes(pack.PackDir() + "\\version-used.marker").value_or("");
}

// Nor can the program itself be swapped while it runs: moved aside, another put in its
// place would be started as the registration host at the next apply. Once it has ended,
// its file is an ordinary file again.
TEST(OwnFileGui, TheRunningProgramCannotBeMovedAside) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    const std::wstring program = platform::Widen(pack.ProgramPath());
    const std::wstring aside = program + L".aside";
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    EXPECT_FALSE(MoveFileW(program.c_str(), aside.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    app.RequestClose();
    ASSERT_TRUE(app.WaitForExit());
    EXPECT_TRUE(MoveFileW(program.c_str(), aside.c_str())) << GetLastError();
}

}  // namespace
}  // namespace tzp::testing
