// The profile bar of the real window under Wine: saving, listing and picking profiles.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

constexpr int kCombo1 = 1401;
constexpr int kCommand2 = 1102;
constexpr int kIsChange = 3208;
constexpr int kWaitPanel = 3210;
constexpr int kCheck3 = 1003;
constexpr int kCheck6 = 1006;
constexpr int kCheck13 = 1013;
constexpr int kCheck70 = 1070;

std::vector<std::string> ComboEntries(const GuiApp& app) {
    HWND combo = app.Control(kCombo1);
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    std::vector<std::string> entries;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t buffer[1024] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        entries.push_back(platform::Narrow(buffer));
    }
    return entries;
}

// Types into the combo's edit box key by key, as a user does: setting the edit's text
// directly does not tell the combo box's owner that the text changed.
void TypeName(const GuiApp& app, const std::string& text) {
    HWND edit = FindWindowExW(app.Control(kCombo1), nullptr, L"Edit", nullptr);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t c : platform::Widen(text)) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
}

// A text of the English language file the test pack holds.
std::string LanguageText(const std::string& id) {
    const auto bytes = ReadBytes(SourcePath("langs/en.ini")).value_or("");
    const size_t start = bytes.find("\n" + id + "=");
    if (start == std::string::npos) {
        return "<" + id + " missing>";
    }
    const size_t from = start + 1 + id.size() + 1;
    return platform::AnsiToUtf8(bytes.substr(from, bytes.find('\r', from) - from));
}

int IndexOf(const std::vector<std::string>& entries, const std::string& name) {
    const auto it = std::find(entries.begin(), entries.end(), name);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

std::string StateFile(const std::vector<std::pair<std::string, int>>& states) {
    std::string content;
    for (const auto& [id, state] : states) {
        content += id + " " + std::to_string(state) + "\r\n";
    }
    return content;
}

TEST(ProfilesGui, ATypedNameIsSavedAndListed) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    const std::string name =
        "Soir\xC3\xA9"
        "e films";

    TypeName(app, name);
    ASSERT_TRUE(WaitUntil([&] { return app.Text(kCombo1) == name; }));
    app.Click(kCommand2);
    const auto question = app.AnswerMessageBox(IDYES);
    ASSERT_TRUE(question);
    EXPECT_EQ(*question, "Save the current settings as a new profile?");
    // Twelve exports by the registry editor come first.
    const auto done = app.AnswerMessageBox(IDOK, 60000);
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, "The profile has been saved.");

    EXPECT_TRUE(WaitUntil([&] { return IndexOf(ComboEntries(app), name) >= 0; }));
    EXPECT_EQ(app.Text(kCombo1), name);
    EXPECT_FALSE(app.InView(kWaitPanel));
    EXPECT_TRUE(Exists(pack.PackDir() + "\\Sav\\" + name + ".sav"));
    EXPECT_EQ(ReadBytes(pack.PackDir() + "\\Sav\\" + name + ".reg"), "REGEDIT4\r\n");
}

TEST(ProfilesGui, PickingAProfileShowsItsStatesWithoutAQuestion) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    WriteBytes(pack.PackDir() + "\\Sav\\Musique.sav",
               StateFile({{"003", 1}, {"006", 1}, {"013", 1}, {"070", 2}}));
    WriteBytes(pack.PackDir() + "\\Sav\\Musique.reg", "REGEDIT4\r\n");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());

    const int index = IndexOf(ComboEntries(app), "Musique");
    ASSERT_GE(index, 0);
    app.PickComboEntry(kCombo1, index);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck70) == 2; }));
    // (Check1 shares its ID, 1001, with the edit box inside the combo box.)
    EXPECT_EQ(app.Check(kCheck3), 1);
    EXPECT_EQ(app.Check(kCheck6), 1);
    EXPECT_EQ(app.Check(kCheck13), 1);
    EXPECT_EQ(app.Check(1002), 0);
    EXPECT_EQ(app.Check(kIsChange), 0);
    EXPECT_EQ(app.Text(kCombo1), "Musique");
    EXPECT_FALSE(app.WaitForDialog(500));
}

TEST(ProfilesGui, PickingAProfileAfterAChangeAsksFirst) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());

    TypeName(app, "Avant");
    ASSERT_TRUE(WaitUntil([&] { return app.Text(kCombo1) == "Avant"; }));
    app.Click(kCommand2);
    ASSERT_TRUE(app.AnswerMessageBox(IDYES));
    ASSERT_TRUE(app.AnswerMessageBox(IDOK, 60000));
    ASSERT_TRUE(WaitUntil([&] { return IndexOf(ComboEntries(app), "Avant") >= 0; }));

    app.Click(kCheck6);
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 1; }));
    // A filter box's own behaviour marks the change; where the window runs without it,
    // the hidden flag is ticked the same way.
    if (app.Check(kIsChange) != 1) {
        app.Click(kIsChange);
    }
    ASSERT_TRUE(WaitUntil([&] { return app.Check(kIsChange) == 1; }));

    app.PickComboEntry(kCombo1, IndexOf(ComboEntries(app), "Avant"));
    const auto question = app.WaitForDialog();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, LanguageText("080"));
    app.Press(*question, IDYES);
    EXPECT_TRUE(WaitUntil([&] { return app.Check(kCheck6) == 0; }));
    EXPECT_EQ(app.Check(kIsChange), 0);
    EXPECT_EQ(app.Text(kCombo1), "Avant");
}

}  // namespace
}  // namespace tzp::testing
