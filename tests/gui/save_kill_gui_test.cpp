// Saves cut short: the real program is killed (as Task Manager kills it) at a random moment
// while it saves a profile over an existing one, or while it writes the personal list
// after an extension was added or removed. Every file it was writing must then hold its
// complete old or complete new bytes, and the next start and save must work.
// TZP_KILL_TRIALS sets the number of trials of each kind: a handful by default, 100 in
// the stress run the README describes. Each test prints its tally of outcomes.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

#include "platform/win32/wide.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

constexpr int kCombo1 = 1401;
constexpr int kCommand2 = 1102;
constexpr int kCommand4 = 1104;
constexpr int kCommand5 = 1105;
constexpr int kText1 = 1301;
constexpr int kText2 = 1302;
constexpr int kList3 = 1203;

int Trials() {
    const char* text = std::getenv("TZP_KILL_TRIALS");
    const int trials = text != nullptr ? std::atoi(text) : 0;
    return trials > 0 ? trials : 3;
}

std::mt19937& Random() {
    static std::mt19937 random = [] {
        const auto seed = static_cast<unsigned>(GetTickCount64());
        std::cout << "kill trials: random seed " << seed << "\n";
        return std::mt19937(seed);
    }();
    return random;
}

int Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, std::max(low, high))(Random());
}

void Kill(const GuiApp& app) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, app.ProcessId());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

// The registry editors running, by process id.
std::vector<DWORD> RegistryEditors() {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"regedit.exe") == 0) {
            found.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return found;
}

// A registry editor started by a killed save goes on exporting, and the next save must
// not meet its late output: it is given time to end, and then ended. Returns how many
// had to be ended.
int EndOrphanedEditors() {
    if (WaitUntil([] { return RegistryEditors().empty(); }, 15000)) {
        return 0;
    }
    int ended = 0;
    for (const DWORD id : RegistryEditors()) {
        if (HANDLE editor = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(editor, 9);
            WaitForSingleObject(editor, 5000);
            CloseHandle(editor);
            ++ended;
        }
    }
    return ended;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(platform::Widen(folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(platform::Narrow(found.cFileName));
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

bool HasTemporaryFile(const std::string& folder) {
    for (const auto& name : FilesIn(folder)) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) {
            return true;
        }
    }
    return false;
}

void TypeName(const GuiApp& app, const std::string& text) {
    HWND edit = FindWindowExW(app.Control(kCombo1), nullptr, L"Edit", nullptr);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t c : platform::Widen(text)) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
}

// Filter settings worth exporting: enough values that the registry file takes a while
// to write. Removed again at the end, as the other tests share the registry.
struct FilterSettings {
    FilterSettings() {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        const std::wstring text(400, L'x');
        for (int i = 0; i < 1500; ++i) {
            const std::wstring name = L"setting" + std::to_wstring(i);
            RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(key);
    }
    ~FilterSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    static constexpr const wchar_t* kKey = L"Software\\GNU\\ffdshow";
};

// Starts the program, saves profile `name` (which is listed) and answers every box;
// returns the time from the answer to the question to the end of the save.
struct SaveRun {
    bool ok = false;
    int milliseconds = 0;
};

SaveRun SaveWhole(const TestPack& pack, const std::string& name) {
    GuiApp app(pack.ProgramPath());
    if (!app.Started()) {
        return {};
    }
    TypeName(app, name);
    WaitUntil([&] { return app.Text(kCombo1) == name; });
    app.Click(kCommand2);
    if (!app.AnswerMessageBox(IDYES)) {
        return {};
    }
    const auto start = std::chrono::steady_clock::now();
    const auto done = app.AnswerMessageBox(IDOK, 120000);
    const auto took = std::chrono::steady_clock::now() - start;
    app.RequestClose();
    const bool closed = app.WaitForExit(10000);
    return {done && *done == "The profile has been saved." && closed,
            static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count())};
}

TEST(SaveKillGui, AProfileSaveKilledAtAnyMomentLeavesEachFileOldOrNew) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    const FilterSettings settings;
    const std::string sav = pack.PackDir() + "\\Sav\\Films.sav";
    const std::string reg = pack.PackDir() + "\\Sav\\Films.reg";
    const std::string oldState = "001 1\r\n002 1\r\n003 1\r\n";
    const std::string oldRegistry = "REGEDIT4\r\n; the old settings\r\n";
    auto restoreOld = [&] {
        for (const auto& name : FilesIn(pack.PackDir() + "\\Sav")) {
            DeleteFileW(platform::Widen(pack.PackDir() + "\\Sav\\" + name).c_str());
        }
        ASSERT_TRUE(WriteBytes(sav, oldState));
        ASSERT_TRUE(WriteBytes(reg, oldRegistry));
    };

    // One save run to its end gives the new files and how long a save takes.
    restoreOld();
    const SaveRun calibration = SaveWhole(pack, "Films");
    ASSERT_TRUE(calibration.ok);
    const std::string newState = ReadBytes(sav).value_or("");
    const std::string newRegistry = ReadBytes(reg).value_or("");
    ASSERT_NE(newState, oldState);
    ASSERT_GT(newRegistry.size(), 500000u);

    // The first save is the slowest; each save run to its end shortens this.
    int whole = calibration.milliseconds;
    std::map<std::string, int> tally;
    const int trials = Trials();
    for (int trial = 0; trial < trials; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        restoreOld();
        {
            GuiApp app(pack.ProgramPath());
            ASSERT_TRUE(app.Started());
            TypeName(app, "Films");
            ASSERT_TRUE(WaitUntil([&] { return app.Text(kCombo1) == "Films"; }));
            app.Click(kCommand2);
            ASSERT_TRUE(app.AnswerMessageBox(IDYES));
            // The moment: anywhere in the save, near its end (where the files are
            // written), or just after the first temporary file appears.
            switch (trial % 3) {
                case 0:
                    Sleep(static_cast<DWORD>(Between(0, whole + whole / 10)));
                    break;
                case 1:
                    Sleep(static_cast<DWORD>(Between(whole * 8 / 10, whole + whole / 10)));
                    break;
                default:
                    WaitUntil([&] { return HasTemporaryFile(pack.PackDir() + "\\Sav"); },
                              2 * whole);
                    Sleep(static_cast<DWORD>(Between(0, 20)));
                    break;
            }
            const bool ended = app.WaitForDialog(0).has_value();
            Kill(app);
            ASSERT_FALSE(app.Running());
            const auto state = ReadBytes(sav);
            const auto registry = ReadBytes(reg);
            EXPECT_TRUE(state == oldState || state == newState);
            EXPECT_TRUE(registry == oldRegistry || registry == newRegistry);
            std::string outcome = std::string("state file ") + (state == newState ? "new" : "old") +
                                  ", registry file " + (registry == newRegistry ? "new" : "old");
            if (ended) {
                outcome += ", after the save ended";
            }
            if (HasTemporaryFile(pack.PackDir() + "\\Sav")) {
                outcome += ", a temporary file left";
            }
            if (EndOrphanedEditors() != 0) {
                outcome += ", a registry editor that did not end";
            }
            ++tally[outcome];
        }

        // The next start and save work, and leave nothing else behind.
        const SaveRun next = SaveWhole(pack, "Films");
        ASSERT_TRUE(next.ok);
        whole = std::min(whole, next.milliseconds);
        EXPECT_EQ(ReadBytes(sav), newState);
        EXPECT_EQ(ReadBytes(reg), newRegistry);
        EXPECT_EQ(FilesIn(pack.PackDir() + "\\Sav"),
                  (std::vector<std::string>{"Films.reg", "Films.sav"}));
    }
    std::cout << "kill trials, profile save over an existing one (" << trials
              << " trials, a save takes " << whole << " ms):\n";
    for (const auto& [outcome, count] : tally) {
        std::cout << "  " << count << " x " << outcome << "\n";
    }
}

TEST(SaveKillGui, APersonalListWriteKilledAtAnyMomentLeavesTheOldOrNewFile) {
    TestPack pack;
    pack.InstallProgram();
    pack.Register("en");
    const std::string exts = pack.PackDir() + "\\Settings\\exts.ini";
    const std::string old = ".one\r\n.two\r\n";
    struct Change {
        const char* what;
        int box;
        int button;
        const char* typed;
        std::string after;
    };
    const Change changes[] = {{"adding", kText1, kCommand4, "kill", old + ".kill\r\n"},
                              {"removing", kText2, kCommand5, "one", ".two\r\n"}};

    std::map<std::string, int> tally;
    const int trials = Trials();
    for (const auto& change : changes) {
        // How long the change takes to reach the file, from the click.
        // A click that changed nothing in 30 s is said, with what the window showed, and
        // tried once more with a new start: the trials need the time, and a loaded Wine
        // has once lost such a first click.
        int whole = 0;
        for (int attempt = 1; whole == 0; ++attempt) {
            ASSERT_TRUE(WriteBytes(exts, old));
            GuiApp app(pack.ProgramPath());
            ASSERT_TRUE(app.Started());
            app.SelectTab(2);
            app.TypeText(change.box, change.typed);
            const auto start = std::chrono::steady_clock::now();
            app.Click(change.button);
            if (!WaitUntil([&] { return ReadBytes(exts) == change.after; })) {
                const auto dialog = app.WaitForDialog(0);
                std::cout << change.what << ": the click changed nothing in 30 s (box \""
                          << app.Text(change.box) << "\", a dialog: "
                          << (dialog ? dialog->text : std::string("none")) << ")\n";
                ASSERT_LT(attempt, 2);
                continue;
            }
            whole = std::max(1, static_cast<int>(
                                    std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - start)
                                        .count()));
        }
        for (int trial = 0; trial < trials; ++trial) {
            SCOPED_TRACE(std::string(change.what) + ", trial " + std::to_string(trial));
            ASSERT_TRUE(WriteBytes(exts, old));
            {
                GuiApp app(pack.ProgramPath());
                ASSERT_TRUE(app.Started());
                app.SelectTab(2);
                app.TypeText(change.box, change.typed);
                app.Click(change.button);
                Sleep(static_cast<DWORD>(Between(0, whole + whole / 5)));
                Kill(app);
                const auto content = ReadBytes(exts);
                EXPECT_TRUE(content == old || content == change.after);
                std::string outcome = std::string(change.what) + ": exts.ini " +
                                      (content == change.after ? "new" : "old");
                if (HasTemporaryFile(pack.PackDir() + "\\Settings")) {
                    outcome += ", a temporary file left";
                }
                ++tally[outcome];
            }
            // The next start shows the file, and the change made again ends as it should.
            GuiApp app(pack.ProgramPath());
            ASSERT_TRUE(app.Started());
            app.SelectTab(2);
            const auto content = ReadBytes(exts).value_or("");
            EXPECT_EQ(app.ListEntries(kList3).size(),
                      static_cast<size_t>(std::count(content.begin(), content.end(), '\n')));
            app.TypeText(change.box, change.typed);
            app.Click(change.button);
            if (content == change.after) {
                // Already there, or already gone: the program says so.
                EXPECT_TRUE(app.AnswerMessageBox(IDOK));
            }
            EXPECT_TRUE(WaitUntil([&] {
                return ReadBytes(exts) == change.after &&
                       !HasTemporaryFile(pack.PackDir() + "\\Settings");
            }));
            app.RequestClose();
            EXPECT_TRUE(app.WaitForExit(10000));
        }
    }
    std::cout << "kill trials, personal list (" << trials << " trials of each change):\n";
    for (const auto& [outcome, count] : tally) {
        std::cout << "  " << count << " x " << outcome << "\n";
    }
}

}  // namespace
}  // namespace tzp::testing
