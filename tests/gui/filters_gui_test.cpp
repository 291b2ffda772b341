// The filters page of the real window under Wine, with the stand-in filter libraries
// installed: versions and states shown, a filter ticked and applied for real.
#include <gtest/gtest.h>

#include <windows.h>

#include "filters/catalogue.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

constexpr int kCheck6 = 1006;
constexpr int kCheck16 = 1016;
constexpr int kCommand3 = 1103;
constexpr int kIsChange = 3208;
constexpr int kPicture7 = 1507;
constexpr int kPicture18 = 1518;
constexpr int kPicture22 = 1522;
constexpr int kLabel1 = 2001;
constexpr int kLabel2 = 2002;  // the wait panel's words
constexpr int kCheck5 = 1005;
constexpr int kCheck9 = 1009;

struct FiltersGui : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
    }
    void TearDown() override { UnregisterEveryFilter(); }
};

TEST_F(FiltersGui, ATickedFilterIsRegisteredToThePacksLibraryOnApply) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(app.Text(kCheck6), "FFDshow (version 1.3.4531.0)");
    EXPECT_TRUE(app.Enabled(kCheck6));
    EXPECT_EQ(app.Check(kCheck6), 0);
    EXPECT_EQ(app.Text(kLabel1), "MPCHC (not installed)");

    app.Click(kCheck6);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    EXPECT_EQ(app.Check(kIsChange), 1);

    app.Click(kCommand3);
    EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
    EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");

    const std::string library = pack.InstallDir() + "filtres\\ffdshow.ax";
    for (const auto clsid : filters::Row("Check6").clsids) {
        EXPECT_EQ(InprocServer(clsid), library) << clsid;
    }
    EXPECT_EQ(app.Check(kIsChange), 0);
    EXPECT_EQ(app.Check(kCheck16), 0);
    EXPECT_EQ(InprocServer(filters::Row("Check16").clsids[0]), std::nullopt);
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

TEST_F(FiltersGui, AConfigurationProgramThatCannotStartIsReportedAndTheWindowStays) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    // The pack has no madHcCtrl.exe; its icon tests nothing before starting it.
    app.Click(kPicture22);
    const auto message = app.AnswerMessageBox(IDOK);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(pack.InstallDir() + "filtres\\madHcCtrl.exe"), std::string::npos)
        << *message;
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(app.Check(kIsChange), 1);
}

TEST_F(FiltersGui, AFailedLibraryIsReportedBeforeTheEndAndThePanelShowsTheProgress) {
    // RealMediaSplitter's entry points answer "access denied"; ts.dll takes 3 s, long
    // enough to read the panel while the pass waits for it.
    for (const auto& [kind, file] :
         {std::pair{"failing", "RealMediaSplitter.ax"}, std::pair{"slow", "ts.dll"}}) {
        ASSERT_TRUE(CopyOneFile(BuildPath(std::string("testlibs/variants/") + kind + "/" + file),
                                pack.InstallDir() + "filtres\\" + file));
    }
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.Click(kCheck9);
    app.Click(kCheck5);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck5) == 1 && app.Check(kCheck9) == 1; }));

    app.Click(kCommand3);
    EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
    // The slow library keeps the pass going past the panel's delay: the panel shows.
    EXPECT_TRUE(WaitUntil([&] {
        return app.Text(kLabel2).find("10 of 18: ts.dll") != std::string::npos &&
               app.InView(kLabel2);
    })) << app.Text(kLabel2);
    const auto report = app.AnswerMessageBox(IDOK, 30000);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->rfind("These filter libraries did not do what their boxes asked", 0), 0u)
        << *report;
    EXPECT_NE(report->find("RealMediaSplitter.ax: the library reported the failure 0x80070005"),
              std::string::npos)
        << *report;
    EXPECT_EQ(report->find("ts.dll"), std::string::npos);
    EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");
    EXPECT_FALSE(app.InView(kLabel2));
    EXPECT_EQ(app.Check(kCheck9), 0);
    EXPECT_EQ(app.Check(kCheck5), 1);
    EXPECT_EQ(app.Check(kIsChange), 0);
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

TEST_F(FiltersGui, IconsAreNamedAndTheirTooltipsSayWhatTheyOpen) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(app.Text(kPicture7), "FFDshow Video settings");
    EXPECT_EQ(app.Tooltip(kPicture7), "Opens the settings of FFDshow Video.");
    EXPECT_EQ(app.Text(kPicture18), "MPCHC (not installed)");
    EXPECT_EQ(app.Tooltip(kPicture18), "Starts the player.");
    // A filter box's tooltip is its library's, and says it is not registered.
    EXPECT_EQ(app.Tooltip(kCheck6), pack.InstallDir() +
                                        "filtres\\ffdshow.ax\r\nversion 1.3.4531.0\r\n"
                                        "Not registered.");
    // And the tip shows where the pointer rests, on an icon and on a filter box.
    EXPECT_TRUE(app.TooltipShowsOnRest(kPicture7));
    EXPECT_TRUE(app.TooltipShowsOnRest(kCheck6));
}

TEST_F(FiltersGui, AClassRegisteredToAnotherCopyIsNamedInTheTooltipUntilApplied) {
    // One of FFDshow's classes belongs to another copy, as an older pack leaves it.
    const std::string other = "C:\\Old Pack\\filters\\ffdshow.ax";
    const std::wstring key =
        L"CLSID\\{" + platform::Widen(filters::Row("Check6").clsids[3]) + L"}\\InprocServer32";
    const std::wstring value = platform::Widen(other);
    ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    // The registry view of the other bitness names the pack's copy; this program reads
    // only its own view, where its libraries register.
    ASSERT_TRUE(SetInprocServerIn(RegistryView::Other, filters::Row("Check6").clsids[3],
                                  pack.InstallDir() + "filtres\\ffdshow.ax"));
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    const std::string library = pack.InstallDir() + "filtres\\ffdshow.ax\r\nversion 1.3.4531.0";
    EXPECT_EQ(app.Check(kCheck6), 0);
    EXPECT_EQ(app.Tooltip(kCheck6), library + "\r\nRegistered to another copy: " + other);

    // Applied, the pack's copy takes every class over, and the tooltip says so at once.
    app.Click(kCheck6);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    app.Click(kCommand3);
    EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
    EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");
    EXPECT_EQ(app.Tooltip(kCheck6), library + "\r\nRegistered to this copy.");
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace
}  // namespace tzp::testing
