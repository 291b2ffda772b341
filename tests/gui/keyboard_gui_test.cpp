// The real window under Wine driven by the keyboard alone, at two screen densities, and
// the one busy guard: what other programs send the window while a pass runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>

#include "filters/catalogue.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "support/wine_files.h"

namespace tzp::testing {
namespace {

constexpr int kCheck6 = 1006;
constexpr int kCheck10 = 1010;
constexpr int kCommand3 = 1103;
constexpr int kIsChange = 3208;
constexpr int kPicture18 = 1518;
constexpr int kFiltersFrame = 3201;
constexpr int kAssocFrame = 3202;
constexpr int kAboutFrame = 3203;

// Sets the screen density new programs start with; the previous one comes back after.
class ScreenDensity {
  public:
    explicit ScreenDensity(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD size = sizeof previous_;
        had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr,
                                reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
    }
    ~ScreenDensity() {
        if (had_) {
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&previous_), sizeof previous_);
        } else {
            RegDeleteValueW(key_, L"LogPixels");
        }
        RegCloseKey(key_);
    }
    ScreenDensity(const ScreenDensity&) = delete;
    ScreenDensity& operator=(const ScreenDensity&) = delete;

  private:
    HKEY key_ = nullptr;
    DWORD previous_ = 96;
    bool had_ = false;
};

struct KeyboardGui : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
    }
    void TearDown() override { UnregisterEveryFilter(); }
};

// Presses Tab, and waits for the focus to move before the next press.
int PressTab(GuiApp& app) {
    const int before = app.FocusedId();
    app.PressKey(VK_TAB);
    WaitUntil([&] { return app.FocusedId() != before; }, 3000);
    return app.FocusedId();
}

// Walks with Tab until the focus comes back where the walk began; gives the stops in order.
std::vector<int> WalkWithTab(GuiApp& app) {
    std::vector<int> stops;
    if (app.FocusedId() == 0 && PressTab(app) == 0) {
        return stops;
    }
    const int first = app.FocusedId();
    for (int at = first; stops.size() < 100;) {
        stops.push_back(at);
        at = PressTab(app);
        if (at == first || at == stops.back()) {
            break;
        }
    }
    return stops;
}

bool TabTo(GuiApp& app, int id) {
    for (int i = 0; i < 100 && app.FocusedId() != id; ++i) {
        PressTab(app);
    }
    return app.FocusedId() == id;
}

struct Page {
    int tab;
    int frame;
    std::vector<int> mustReach;
};

class KeyboardWalk : public KeyboardGui, public ::testing::WithParamInterface<DWORD> {};

TEST_P(KeyboardWalk, TabReachesEveryShownControlOfEachPageAndNothingElse) {
    const DWORD dpi = GetParam();
    const ScreenDensity density(dpi);
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    RECT outer{};
    GetWindowRect(app.Main(), &outer);
    EXPECT_NEAR(outer.right - outer.left, MulDiv(8025, static_cast<int>(dpi), 1440), 2);

    std::vector<int> filterBoxes;
    for (const auto& row : filters::Catalogue()) {
        const int id = 1000 + std::stoi(std::string(row.box.substr(5)));
        if (!row.library.empty() && app.InView(id)) {
            filterBoxes.push_back(id);
        }
    }
    ASSERT_EQ(filterBoxes.size(), 16u);
    std::vector<int> filtersPage = filterBoxes;
    filtersPage.insert(filtersPage.end(), {1401, 1101, 1102, 1103, 1507, 1505, 1518, 3101});
    const Page pages[] = {
        {1, kFiltersFrame, filtersPage},
        {2, kAssocFrame, {1201, 1202, 1203, 1301, 1302, 1303, 1104, 1105, 1107, 1106}},
        {3, kAboutFrame, {2004, 2006, 2007, 2008, 2009, 2010, 2011, 2013, 2014, 1108, 1109, 1110}},
    };
    RECT client{};
    GetClientRect(app.Main(), &client);
    for (const auto& page : pages) {
        SCOPED_TRACE("page " + std::to_string(page.tab) + " at " + std::to_string(dpi));
        if (page.tab != 1) {
            app.SelectTab(page.tab);
            ASSERT_TRUE(WaitUntil([&] { return app.InView(page.frame); }));
        }
        const auto stops = WalkWithTab(app);
        ASSERT_FALSE(stops.empty());
        EXPECT_EQ(std::set<int>(stops.begin(), stops.end()).size(), stops.size())
            << "the walk did not come back to its first stop";
        for (const int id : stops) {
            const RECT rect = app.Rect(id);
            EXPECT_TRUE(app.Visible(id) && app.Enabled(id)) << id;
            EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                        rect.bottom <= client.bottom)
                << id;
        }
        for (const int id : page.mustReach) {
            EXPECT_NE(std::find(stops.begin(), stops.end(), id), stops.end()) << id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Densities, KeyboardWalk, ::testing::Values(96u, 144u));

TEST_F(KeyboardGui, SpaceTicksAFocusedFilterBoxAndSpaceOrEnterStartAFocusedIcon) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    ASSERT_EQ(app.Check(kIsChange), 0);
    ASSERT_TRUE(TabTo(app, kCheck6));
    app.PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    EXPECT_EQ(app.Check(kIsChange), 1);

    // The player is not installed: its start fails, and says so.
    ASSERT_TRUE(TabTo(app, kPicture18));
    app.PressKey(VK_SPACE);
    const auto message = app.AnswerMessageBox(IDOK);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("mplayerc.exe"), std::string::npos) << *message;
    // Enter presses the focused icon as well.
    ASSERT_TRUE(TabTo(app, kPicture18));
    app.PressKey(VK_RETURN);
    EXPECT_EQ(app.AnswerMessageBox(IDOK), message);
}

TEST_F(KeyboardGui, ACloseAndAClickSentWhileALibraryRegistersChangeNothing) {
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/variants/gated/ffdshow.ax"),
                            pack.InstallDir() + "filtres\\ffdshow.ax"));
    HANDLE entered = CreateEventW(nullptr, TRUE, FALSE, L"TzpGateEntered");
    HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, L"TzpGateOpen");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    app.Click(kCheck6);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    app.Click(kCommand3);
    EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
    ASSERT_EQ(WaitForSingleObject(entered, 10000), WAIT_OBJECT_0);

    // FFDshow's entry point is running now, and waits for the gate.
    const int box = app.Check(kCheck10);
    EXPECT_TRUE(app.SendClick(kCheck10));
    EXPECT_TRUE(app.SendClose());
    EXPECT_EQ(app.Check(kCheck10), box);
    EXPECT_EQ(app.Check(kIsChange), 0);
    EXPECT_FALSE(app.WaitForDialog(300));
    EXPECT_TRUE(app.Running());

    SetEvent(gate);
    EXPECT_EQ(app.AnswerMessageBox(IDOK), "The filter settings have been applied.");
    EXPECT_TRUE(app.SendClick(kCheck10));
    EXPECT_EQ(app.Check(kCheck10), 1 - box);
    EXPECT_EQ(app.Check(kIsChange), 1);
    app.RequestClose();
    EXPECT_EQ(app.AnswerMessageBox(IDYES),
              "Some filter changes have not been applied. Close the control panel anyway?");
    EXPECT_TRUE(app.WaitForExit());
    CloseHandle(entered);
    CloseHandle(gate);
}

}  // namespace
}  // namespace tzp::testing
