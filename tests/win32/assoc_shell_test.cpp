// Associations on the real registry and files of a Wine prefix: what the panel writes
// must make the system itself open the files with the chosen program.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstring>
#include <deque>
#include <map>
#include <memory>

#include "assoc/read_association.h"
#include "assoc/settings_page.h"
#include "assoc/shell_check.h"
#include "platform/reg.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "platform/win32/wide.h"
#include "shell/startup.h"
#include "support/real_panel.h"
#include "support/gui_driver.h"
#include "support/test_pack.h"
#include "ui/form1_controls.h"

namespace tzp::testing {
namespace {

using platform::Widen;

// The extensions the tests invent, and the keys they leave behind.
constexpr const char* kFileExts =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
const wchar_t* const kClassKeys[] = {L".tzpa",
                                     L".tzpb",
                                     L".tzpc",
                                     L"TzpTest.A",
                                     L"TzpTest.B",
                                     L"TzpTest.Other",
                                     L"TessalyZivozodPack.tzpc"};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

constexpr const wchar_t* kCapabilities = L"SOFTWARE\\Tessaly Zivozod Pack\\Capabilities";
constexpr const wchar_t* kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Every string and number value of an HKLM key in one registry view, as text (numbers in
// decimal). Empty when the key is missing.
std::map<std::string, std::string> MachineValues(const wchar_t* key, REGSAM view) {
    std::map<std::string, std::string> values;
    platform::UniqueKey opened;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, opened.out()) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[1024] = {};
        DWORD size = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS result = RegEnumValueW(opened.get(), i, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data), &size);
        if (result == ERROR_NO_MORE_ITEMS) {
            return values;
        }
        DWORD number = 0;
        std::memcpy(&number, data, sizeof number);
        if (result == ERROR_SUCCESS && type == REG_DWORD) {
            values[platform::Narrow(name)] = std::to_string(number);
        } else if (result == ERROR_SUCCESS && type == REG_SZ) {
            values[platform::Narrow(name)] = platform::Narrow(data);
        }
    }
}

// Sets (or, with nullptr, deletes) a string or number value of HKLM in the 64-bit view.
void SetMachineValue(const wchar_t* key, const wchar_t* name, const std::string* text,
                     DWORD type = REG_SZ) {
    platform::UniqueKey opened;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, opened.out(), nullptr),
              ERROR_SUCCESS);
    if (text == nullptr) {
        RegDeleteValueW(opened.get(), name);
    } else if (type == REG_DWORD) {
        const DWORD number = static_cast<DWORD>(std::stoul(*text));
        RegSetValueExW(opened.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof number);
    } else {
        const std::wstring data = Widen(*text);
        RegSetValueExW(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
}

struct AssocShellTest : ::testing::Test {
    TestPack pack;
    ScratchDir scratch;
    std::string player = scratch.Path() + "\\Test Player\\tplayer.exe";
    std::string logPath = scratch.Path() + "\\player log.txt";
    std::string media = scratch.Path() + "\\Media Files";

    RealPanel panel{pack.PackDir()};
    fakes::FakeInteraction& ui = panel.ui;
    platform::Win32Registry& registry = panel.registry;
    platform::Win32Files& files = panel.files;
    ui::Form* form = panel.form.get();
    App& app = panel.app;

    void SetUp() override {
        ui.unscriptedAnswer = platform::Answer::Yes;
        MakeDirs(scratch.Path() + "\\Test Player");
        ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/player/tzpplayer.exe"), player));
        // The pack's ZUV.exe is the same recorder, so its start shows in the log too.
        ASSERT_TRUE(
            CopyOneFile(BuildPath("testlibs/player/tzpplayer.exe"), pack.PackDir() + "\\ZUV.exe"));
        SetEnvironmentVariableW(L"TZP_PLAYER_LOG", Widen(logPath).c_str());
        MakeDirs(media);
        pack.Register("en");
    }

    void TearDown() override {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE,
                        (std::wstring(kCapabilities) + L"\\FileAssociations").c_str(),
                        KEY_WOW64_64KEY, 0);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kCapabilities, KEY_WOW64_64KEY, 0);
        SetMachineValue(L"SOFTWARE\\RegisteredApplications", L"Tessaly Zivozod Pack", nullptr);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ms-settings");
        for (const wchar_t* key : kClassKeys) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
        }
        for (const char* ext : {".tzpa", ".tzpb", ".tzpc"}) {
            RegDeleteTreeW(HKEY_CURRENT_USER, Widen(std::string(kFileExts) + ext).c_str());
        }
        SetEnvironmentVariableW(L"TZP_PLAYER_LOG", nullptr);
    }

    void Set(int root, const std::string& subPath, const std::string& value) {
        ASSERT_TRUE(platform::WriteRegValue(registry, root, subPath, value, 0).ok()) << subPath;
    }

    void Start() {
        shell::WireForm(app);
        shell::RunLoadSequence(app);
    }

    std::string Entry(const char* list, const std::string& ext) const {
        for (const auto& entry : form->Entries(list)) {
            if (entry.text.starts_with(ext + " (")) {
                return entry.text;
            }
        }
        return "<none>";
    }

    void Tick(const char* list, const std::string& ext) {
        const auto& entries = form->Entries(list);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text.starts_with(ext + " (")) {
                form->SetTicked(list, i, true);
            }
        }
    }

    std::string Log() const { return ReadBytes(logPath).value_or(""); }

    bool LogHasLine(const std::string& line) const {
        return Log().find(line + "\r\n") != std::string::npos;
    }

    std::string MediaFile(const std::string& name) {
        const std::string path = media + "\\" + name;
        WriteBytes(path, "not really a film");
        return path;
    }
};

TEST_F(AssocShellTest, TheSystemOpensAssociatedFilesWithTheChosenProgram) {
    // .tzpa: a class key whose ProgID opens with another program.
    Set(0, ".tzpa\\", "TzpTest.A");
    Set(0, "TzpTest.A\\shell\\open\\command\\", R"("C:\windows\notepad.exe" "%1")");
    // .tzpb: the user's own choice names another ProgID, which wins when reading.
    Set(0, ".tzpb\\", "TzpTest.B");
    Set(0, "TzpTest.B\\shell\\open\\command\\", R"("C:\windows\notepad.exe" "%1")");
    Set(0, "TzpTest.Other\\shell\\open\\command\\", R"(C:\windows\regedit.exe "%1")");
    Set(1, std::string(kFileExts) + ".tzpb\\ProgId", "TzpTest.Other");
    // .tzpc: no class key at all.
    ASSERT_TRUE(WriteBytes(pack.PackDir() + "\\Settings\\exts.ini", ".tzpa\r\n.tzpb\r\n.tzpc\r\n"));

    Start();
    EXPECT_EQ(Entry("List3", ".tzpa"), ".tzpa (notepad)");
    EXPECT_EQ(Entry("List3", ".tzpb"), ".tzpb (regedit)");
    EXPECT_EQ(Entry("List3", ".tzpc"), ".tzpc (none)");

    ui.chosenFiles.push_back(player);
    form->Click("Command7");
    EXPECT_EQ(form->Text("Text3"), "tplayer.exe");
    for (const char* ext : {".tzpa", ".tzpb", ".tzpc"}) {
        Tick("List3", ext);
    }
    form->Click("Command6");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The associations have been written."});

    // The lists were rebuilt from the registry: every entry names the player, none ticked.
    for (const char* ext : {".tzpa", ".tzpb", ".tzpc"}) {
        EXPECT_EQ(Entry("List3", ext), std::string(ext) + " (tplayer)");
    }
    for (const char* list : {"List1", "List2", "List3"}) {
        for (const auto& entry : form->Entries(list)) {
            EXPECT_FALSE(entry.ticked) << entry.text;
        }
    }
    EXPECT_EQ(
        platform::ReadRegValue(registry, 1, std::string(kFileExts) + ".tzpb\\ProgId", "Erreur"),
        "Erreur");
    EXPECT_EQ(platform::ReadRegValue(registry, 0, ".tzpc\\", "Erreur"), "TessalyZivozodPack.tzpc");
    EXPECT_EQ(platform::ReadRegValue(registry, 0, "TzpTest.A\\DefaultIcon\\", "Erreur"),
              Quoted(player) + ",0");

    // The shell itself resolves the chosen program for each extension, which is why no
    // other message came; and each extension offers its ProgID in "Open with".
    const std::pair<std::string, std::string> offered[] = {
        {".tzpa", "TzpTest.A"}, {".tzpb", "TzpTest.B"}, {".tzpc", "TessalyZivozodPack.tzpc"}};
    for (const auto& [ext, progId] : offered) {
        EXPECT_TRUE(assoc::SameProgram(panel.shell.AssociatedProgram(ext).value_or(""), player))
            << ext;
        EXPECT_EQ(platform::ReadRegValue(registry, 0, ext + "\\OpenWithProgids\\" + progId, "-"),
                  "")
            << ext;
    }
    // Checked against another program, the real shell's answer is what gets listed.
    const auto elsewhere = assoc::ExtensionsOpeningElsewhere(app, "C:\\Else\\x.exe", {".TZPA"});
    ASSERT_EQ(elsewhere.size(), 1u);
    EXPECT_TRUE(assoc::SameProgram(elsewhere[0].program, player)) << elsewhere[0].program;
    // Wine's shell resolves by the class keys alone: a user choice, even one written
    // afterwards, is not looked at (Windows ignores one without its hash as well).
    Set(1, std::string(kFileExts) + ".tzpb\\UserChoice\\ProgId", "TzpTest.Other");
    EXPECT_TRUE(assoc::SameProgram(panel.shell.AssociatedProgram(".tzpb").value_or(""), player));

    // The pack's program was started, quoted, with /S, and not awaited.
    EXPECT_TRUE(WaitUntil([&] { return LogHasLine(Quoted(pack.PackDir() + "\\ZUV.exe") + " /S"); }))
        << Log();

    // Now the shell itself opens a file of each extension.
    for (const char* ext : {".tzpa", ".tzpb"}) {
        const std::string file = MediaFile(std::string("clip one") + ext);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        const std::wstring wideFile = Widen(file);
        info.lpFile = wideFile.c_str();
        info.nShow = SW_SHOWNORMAL;
        ASSERT_TRUE(ShellExecuteExW(&info)) << ext << " error " << GetLastError();
        if (info.hProcess != nullptr) {
            WaitForSingleObject(info.hProcess, 20000);
            CloseHandle(info.hProcess);
        }
        EXPECT_TRUE(WaitUntil([&] { return LogHasLine(Quoted(player) + " " + Quoted(file)); }))
            << ext << "\n"
            << Log();
    }

    // And through the command interpreter's start, as a user would type it.
    const std::string file = MediaFile("clip two.tzpc");
    std::wstring command = L"cmd.exe /c start \"\" \"" + Widen(file) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION cmd{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &cmd));
    WaitForSingleObject(cmd.hProcess, 20000);
    CloseHandle(cmd.hProcess);
    CloseHandle(cmd.hThread);
    EXPECT_TRUE(WaitUntil([&] { return LogHasLine(Quoted(player) + " " + Quoted(file)); }))
        << Log();
}

// The entry goes to the 64-bit view, where the Settings app of 64-bit Windows reads it,
// from either build: for the i686 program that is not where its HKLM\SOFTWARE goes.
TEST_F(AssocShellTest, ThePlayerIsRegisteredWhereTheSettingsReadAndTheirPageOpensOnIt) {
    Set(0, ".tzpa\\", "TzpTest.A");
    Set(0, "TzpTest.A\\shell\\open\\command\\", R"("C:\windows\notepad.exe" "%1")");
    ASSERT_TRUE(WriteBytes(pack.PackDir() + "\\Settings\\exts.ini", ".tzpa\r\n.tzpb\r\n"));
    Start();
    ui.chosenFiles.push_back(player);
    form->Click("Command7");
    Tick("List3", ".tzpa");
    Tick("List3", ".tzpb");
    form->Click("Command6");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The associations have been written."});

    using Values = std::map<std::string, std::string>;
    EXPECT_EQ(MachineValues(kCapabilities, KEY_WOW64_64KEY),
              (Values{{"ApplicationName", "tplayer (Tessaly Zivozod Pack)"},
                      {"ApplicationDescription",
                       "Plays video and audio files with tplayer, as associated by the Tessaly "
                       "Zivozod Pack Control Panel."},
                      {"ApplicationIcon", Quoted(player) + ",0"}}));
    EXPECT_EQ(MachineValues((std::wstring(kCapabilities) + L"\\FileAssociations").c_str(),
                            KEY_WOW64_64KEY),
              (Values{{".tzpa", "TzpTest.A"}, {".tzpb", "TessalyZivozodPack.tzpb"}}));
    EXPECT_EQ(
        MachineValues(L"SOFTWARE\\RegisteredApplications", KEY_WOW64_64KEY)["Tessaly Zivozod Pack"],
        "SOFTWARE\\Tessaly Zivozod Pack\\Capabilities");
    EXPECT_TRUE(MachineValues(kCapabilities, KEY_WOW64_32KEY).empty());

    // The removed personal extension leaves the entry.
    form->SetText("Text2", ".tzpb");
    form->Click("Command5");
    EXPECT_EQ(MachineValues((std::wstring(kCapabilities) + L"\\FileAssociations").c_str(),
                            KEY_WOW64_64KEY),
              (Values{{".tzpa", "TzpTest.A"}}));

    // A stand-in for the Settings app: the recorder, as the handler of ms-settings: links.
    Set(0, "ms-settings\\", "URL:ms-settings");
    Set(0, "ms-settings\\URL Protocol", "");
    Set(0, "ms-settings\\shell\\open\\command\\", Quoted(player) + " \"%1\"");
    const auto version = MachineValues(kCurrentVersion, KEY_WOW64_64KEY);
    const struct {
        const char* build;
        const char* revision;
        const char* address;
    } windows[] = {
        {"22621", "1555", "ms-settings:defaultapps?registeredAppMachine=Tessaly%20Zivozod%20Pack"},
        {"19045", "3803", "ms-settings:defaultapps"},
    };
    for (const auto& w : windows) {
        const std::string build = w.build, revision = w.revision;
        SetMachineValue(kCurrentVersion, L"CurrentBuildNumber", &build);
        SetMachineValue(kCurrentVersion, L"UBR", &revision, REG_DWORD);
        assoc::OfferDefaultProgramsSettings(app, {{".tzpa", "C:\\Else\\else.exe"}});
        EXPECT_TRUE(WaitUntil([&] { return LogHasLine(Quoted(player) + " " + Quoted(w.address)); }))
            << w.build << "\n"
            << Log();
    }
    for (const wchar_t* name : {L"CurrentBuildNumber", L"UBR"}) {
        const auto old = version.find(platform::Narrow(name));
        const std::string* text = old == version.end() ? nullptr : &old->second;
        SetMachineValue(kCurrentVersion, name, text,
                        name == std::wstring(L"UBR") ? REG_DWORD : REG_SZ);
    }
    EXPECT_EQ(ui.messages.size(), 1u);  // nothing said that the settings did not open
}

TEST_F(AssocShellTest, ACancelledChoiceOrAnotherFileTypeLeavesNoProgram) {
    Start();
    form->Click("Command7");  // the dialog is cancelled
    EXPECT_EQ(form->Text("asss"), "");
    const std::string script = MediaFile("play.cmd");
    ui.chosenFiles.push_back(script);
    form->Click("Command7");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The chosen file is not a program."});
    form->Click("Command6");
    EXPECT_EQ(ui.messages.back(), "Please choose a program first.");
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(AssocShellTest, ThePersonalListFileIsRewrittenWholeOrTheFailureReported) {
    const std::string settings = pack.PackDir() + "\\Settings";
    Start();
    form->SetText("Text1", "tzpa");
    form->Click("Command4");
    form->SetText("Text1", ".tzpb");
    form->Click("Command4");
    EXPECT_EQ(ReadBytes(settings + "\\exts.ini"), ".tzpa\r\n.tzpb\r\n");
    // Nothing but the list itself is left in the folder.
    EXPECT_EQ(files.ListFiles(settings, "*"), std::vector<std::string>{"exts.ini"});
    EXPECT_TRUE(ui.messages.empty());

    // Without its folder the list cannot be saved: the user is told, the list stays.
    ASSERT_TRUE(DeleteFileW(Widen(settings + "\\exts.ini").c_str()));
    ASSERT_TRUE(RemoveDirectoryW(Widen(settings).c_str()));
    form->SetText("Text1", "tzpc");
    form->Click("Command4");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(settings + "\\exts.ini"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(form->Entries("List3").size(), 3u);
    EXPECT_FALSE(Exists(settings));
}

}  // namespace
}  // namespace tzp::testing
