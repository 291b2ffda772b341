// The decoder views in the real window under Wine: a filter box's tooltip gains its line
// when it first shows, and the details view opens, reads and closes with the keyboard.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "decoders/guid.h"
#include "fakes/filter_data_blob.h"
#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

using platform::Widen;

constexpr int kCheck6 = 1006;
constexpr int kTableList = 3301;
// FFDshow's first class, and a rival decoder that is not the pack's.
constexpr const char* kPackVideo = "{007FC171-01AA-4B3A-B2DB-062DEE815A1E}";
constexpr const char* kRival = "{7E571032-0000-4000-8000-0000000000A1}";
const std::wstring kInstance =
    L"Software\\Classes\\CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance\\";

void Put(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, size_t size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, type, data,
                              static_cast<DWORD>(size)),
              ERROR_SUCCESS);
}

void PutText(const std::wstring& key, const wchar_t* name, const std::string& text) {
    const std::wstring wide = Widen(text);
    Put(key, name, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

// A filter entry in this build's own view, as the mapper writes it, and its class.
void AddDecoder(const std::string& clsid, const std::string& name, uint32_t merit,
                std::vector<decoders::MediaType> types, const std::string& file) {
    const std::string data = fakes::FilterDataBlob(fakes::DecoderData(merit, std::move(types)));
    PutText(kInstance + Widen(clsid), L"CLSID", clsid);
    PutText(kInstance + Widen(clsid), L"FriendlyName", name);
    Put(kInstance + Widen(clsid), L"FilterData", REG_BINARY, data.data(), data.size());
    PutText(L"Software\\Classes\\CLSID\\" + Widen(clsid) + L"\\InprocServer32", nullptr, file);
}

void RemoveEntry(const std::string& clsid) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kInstance + Widen(clsid)).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\CLSID\\" + Widen(clsid)).c_str());
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

struct DecodersGui : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
        const auto video = *decoders::ParseGuid("{73646976-0000-0010-8000-00AA00389B71}");
        const auto audio = *decoders::ParseGuid("{73647561-0000-0010-8000-00AA00389B71}");
        const auto h264 = *decoders::ParseGuid("{34363248-0000-0010-8000-00AA00389B71}");
        const auto aac = *decoders::ParseGuid("{000000FF-0000-0010-8000-00AA00389B71}");
        // Merits above those of Wine's own filters, which take any video or audio type.
        AddDecoder(kPackVideo, "Pack Video", 0xF00000, {{video, h264}, {audio, aac}},
                   pack.InstallDir() + "filtres\\ffdshow.ax");
        AddDecoder(kRival, "Rival Audio", 0xF80000, {{audio, aac}},
                   "C:\\windows\\system32\\quartz.dll");
    }
    void TearDown() override {
        RemoveEntry(kPackVideo);
        RemoveEntry(kRival);
        UnregisterEveryFilter();
    }
};

TEST_F(DecodersGui, TheTooltipTellsWhoWinsAndTheDetailsViewReadsWithTheKeyboard) {
    GuiApp app(pack.ProgramPath());
    ASSERT_TRUE(app.Started());
    // Nothing read at start-up; the line comes when the tip first shows.
    const std::string line =
        "\r\nUsed first for: H.264; AAC: Rival Audio, higher merit (0x00F80000 against "
        "0x00F00000)";
    EXPECT_EQ(app.Tooltip(kCheck6).find(line), std::string::npos);
    EXPECT_TRUE(app.TooltipShowsOnRest(kCheck6));
    EXPECT_TRUE(
        WaitUntil([&] { return app.Tooltip(kCheck6).find(line) != std::string::npos; }, 10000))
        << app.Tooltip(kCheck6);

    // The menu key on the focused box opens its menu; its one item, the details view.
    for (int i = 0; i < 100 && app.FocusedId() != kCheck6; ++i) {
        const int before = app.FocusedId();
        app.PressKey(VK_TAB);
        WaitUntil([&] { return app.FocusedId() != before; }, 3000);
    }
    ASSERT_EQ(app.FocusedId(), kCheck6);
    // The menu's own loop takes the keys that follow from the queue.
    app.PressKey(VK_APPS);
    app.PressKey(VK_DOWN);
    app.PressKey(VK_RETURN);
    const auto dialog = app.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->title, "Which decoder plays each of the pack's formats");
    HWND list = GetDlgItem(dialog->hwnd, kTableList);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(list) == list; }, 5000));
    // In the own view's columns (the decoder used, the pack's rank, why), the pack's
    // filter wins H.264 and comes second for AAC; Wine's own filters may follow.
    const size_t own = sizeof(void*) == 8 ? 4 : 1;
    std::map<std::string, std::vector<std::string>> rows;
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        auto cells = app.ListViewRow(list, row);
        ASSERT_EQ(cells.size(), 7u);
        rows[cells[0]] = cells;
    }
    ASSERT_EQ(rows.count("H.264"), 1u);
    ASSERT_EQ(rows.count("AAC"), 1u);
    EXPECT_EQ(rows["H.264"][own], "Pack Video");
    EXPECT_EQ(rows["H.264"][own + 1].rfind("1 of ", 0), 0u) << rows["H.264"][own + 1];
    EXPECT_EQ(rows["H.264"][own + 2], "merit 0x00F00000");
    EXPECT_EQ(rows["AAC"][own], "Rival Audio");
    EXPECT_EQ(rows["AAC"][own + 1].rfind("2 of ", 0), 0u) << rows["AAC"][own + 1];
    // The arrows walk the rows; Tab reaches the button; Escape closes.
    app.PressKey(VK_DOWN);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1;
        },
        5000));
    app.PressKey(VK_TAB);
    EXPECT_TRUE(
        WaitUntil([&] { return FocusOf(list) == GetDlgItem(dialog->hwnd, IDCANCEL); }, 5000));
    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog->hwnd); }, 5000));
    EXPECT_TRUE(app.Running());
    app.RequestClose();
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace
}  // namespace tzp::testing
