// Saving a profile with the real registry editor and importing it again: the registry
// of the test's Wine prefix holds the saved settings afterwards, byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <map>

#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "platform/win32/wide.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"
#include "support/real_panel.h"
#include "support/test_pack.h"
#include "ui/form1_controls.h"

namespace tzp::testing {
namespace {

using platform::Narrow;
using platform::Widen;

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool operator==(const RawValue&) const = default;
};

RawValue Text(DWORD type, const std::wstring& text) {
    // The terminating zero is part of the data, as programs store strings.
    return {type, std::string(reinterpret_cast<const char*>(text.c_str()),
                              (text.size() + 1) * sizeof(wchar_t))};
}

RawValue Dword(DWORD value) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

struct KeyValue {
    HKEY root;
    std::wstring key;
    std::wstring name;  // empty: the default value
};

bool operator<(const KeyValue& a, const KeyValue& b) {
    return std::tie(a.root, a.key, a.name) < std::tie(b.root, b.key, b.name);
}

void Put(const KeyValue& where, const RawValue& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(where.root, where.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, where.name.empty() ? nullptr : where.name.c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(value.bytes.data()),
                             static_cast<DWORD>(value.bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::optional<RawValue> Get(const KeyValue& where) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegGetValueW(where.root, where.key.c_str(),
                     where.name.empty() ? nullptr : where.name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (RegGetValueW(where.root, where.key.c_str(),
                     where.name.empty() ? nullptr : where.name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &type, bytes.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    bytes.resize(size);
    return RawValue{type, bytes};
}

void DeleteValue(const KeyValue& where) {
    RegDeleteKeyValueW(where.root, where.key.c_str(),
                       where.name.empty() ? nullptr : where.name.c_str());
}

// A control panel on the real services, without a window.
struct ProfilesOnWine : ::testing::Test {
    TestPack pack;
    RealPanel panel{pack.PackDir()};
    fakes::FakeInteraction& ui = panel.ui;
    platform::Win32Files& files = panel.files;
    platform::Win32Processes& processes = panel.processes;
    ui::Form* form = panel.form.get();
    App& app = panel.app;

    void SetUp() override {
        form->SetText("langg", "en");
        RemoveProfileKeys();
    }
    void TearDown() override { RemoveProfileKeys(); }

    static void RemoveProfileKeys() {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorel");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\AC3Filter");
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\NorviMkx");
    }

    void Save(const std::string& name) {
        form->SetText("Combo1", name);
        ui.answers = {platform::Answer::Yes};
        profiles::SaveProfile(app);
    }

    std::string SavPath(const std::string& file) const { return pack.PackDir() + "\\Sav\\" + file; }

    // What the apply action runs, awaited here so that the test can look afterwards.
    void Import(const std::string& registryFile) {
        auto started = processes.Start("regedit.exe /s \"" + registryFile + "\"",
                                       platform::WindowStyle::Minimized);
        ASSERT_TRUE(started.status.ok()) << started.errorText;
        ASSERT_TRUE(started.process->WaitForExit(30000));
    }
};

TEST_F(ProfilesOnWine, ASavedProfileImportsTheSavedSettingsBack) {
    const std::wstring quorel = L"Software\\Quorel";
    std::string blob;
    for (int i = 0; i < 300; ++i) {
        blob.push_back(static_cast<char>(i * 7));
    }
    std::wstring longPath = L"%ProgramFiles%\\Lecteur vid\u00e9o";
    for (int i = 0; i < 6; ++i) {
        longPath += L"\\R\u00e9pertoire " + std::to_wstring(i);
    }
    const std::wstring multi(L"a\u00e9\0b\u20ac\0\0", 7);
    const std::map<KeyValue, RawValue> saved{
        {{HKEY_CURRENT_USER, quorel, L""}, Text(REG_SZ, L"d\u00e9faut")},
        {{HKEY_CURRENT_USER, quorel, L"Name"}, Text(REG_SZ, L"Vid\u00e9o \u20ac \"q\" \\")},
        {{HKEY_CURRENT_USER, quorel, L"Count"}, Dword(42)},
        {{HKEY_CURRENT_USER, quorel, L"Path"}, Text(REG_EXPAND_SZ, L"%SystemRoot%\\\u00e9\u20ac")},
        {{HKEY_CURRENT_USER, quorel, L"List"},
         {REG_MULTI_SZ, std::string(reinterpret_cast<const char*>(multi.data()),
                                    multi.size() * sizeof(wchar_t))}},
        {{HKEY_CURRENT_USER, quorel, L"Blob"}, {REG_BINARY, blob}},
        {{HKEY_CURRENT_USER, quorel + L"\\Sub \u00e9", L"Inner"}, Dword(7)},
        {{HKEY_CURRENT_USER, quorel + L"\\Sub \u00e9", L"Long"}, Text(REG_EXPAND_SZ, longPath)},
        {{HKEY_CURRENT_USER, L"Software\\AC3Filter", L"Gain"}, Dword(0xFFFFFFFF)},
        {{HKEY_CURRENT_USER, L"Software\\AC3Filter", L"Empty"}, Text(REG_SZ, L"")},
        {{HKEY_LOCAL_MACHINE, L"Software\\NorviMkx", L"Mode"}, Text(REG_SZ, L"x")},
    };
    for (const auto& [where, value] : saved) {
        Put(where, value);
    }
    // A string the ANSI code page cannot hold is left out of the profile, and said so.
    const KeyValue wide{HKEY_CURRENT_USER, quorel, L"Wide"};
    Put(wide, Text(REG_SZ, L"\u65e5\u672c"));
    form->SetValueQuietly("Check6", 1);
    form->SetValueQuietly("Check13", 1);

    Save("Round Trip");

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].substr(ui.messages[0].find('\n') + 1),
              "HKEY_CURRENT_USER\\Software\\Quorel \"Wide\"");
    EXPECT_EQ(ui.messages[1], "The profile has been saved.");
    EXPECT_EQ(ui.questions,
              (std::vector<std::string>{"Save the current settings as a new profile?"}));
    EXPECT_EQ(files.ReadAll(SavPath("Round Trip.sav")),
              "001 0\r\n002 0\r\n003 0\r\n004 0\r\n005 0\r\n006 1\r\n009 0\r\n010 0\r\n"
              "011 0\r\n012 0\r\n013 1\r\n014 0\r\n015 0\r\n016 0\r\n017 0\r\n018 0\r\n"
              "019 0\r\n020 0\r\n070 0\r\n");
    const std::string registryFile = files.ReadAll(SavPath("Round Trip.reg")).value_or("");
    EXPECT_EQ(registryFile.substr(0, 10), "REGEDIT4\r\n");
    EXPECT_EQ(registryFile.find('\0'), std::string::npos) << "an 8-bit file";
    EXPECT_NE(registryFile.find("\"Name\"=\"Vid\xE9o \x80 \\\"q\\\" \\\\\"\r\n"),
              std::string::npos);
    EXPECT_NE(registryFile.find("[HKEY_LOCAL_MACHINE\\Software\\NorviMkx]"), std::string::npos);
    EXPECT_FALSE(files.FileExists(SavPath("temp.txt")));
    EXPECT_EQ(form->Text("Combo1"), "Round Trip");

    // Everything changes, some of it goes.
    for (const auto& [where, value] : saved) {
        Put(where, Text(REG_SZ, L"changed"));
    }
    DeleteValue({HKEY_CURRENT_USER, quorel + L"\\Sub \u00e9", L"Inner"});
    DeleteValue({HKEY_LOCAL_MACHINE, L"Software\\NorviMkx", L"Mode"});
    Put(wide, Text(REG_SZ, L"kept as it is"));

    Import(SavPath("Round Trip.reg"));

    for (const auto& [where, value] : saved) {
        const auto now = Get(where);
        ASSERT_TRUE(now) << Narrow(where.key) << "\\" << Narrow(where.name);
        EXPECT_EQ(now->type, value.type) << Narrow(where.name);
        EXPECT_EQ(now->bytes, value.bytes) << Narrow(where.name);
    }
    EXPECT_EQ(Get(wide), Text(REG_SZ, L"kept as it is"));
}

// The profile's keys as a program of this bitness reaches them: the user's keys are one
// key for both bitnesses, the machine's (HKLM\Software) are those of this bitness's
// view, where the filters of this bitness keep their settings; the other view's stay out
// of the profile and untouched by its import.
struct ProfileKey {
    HKEY root;
    std::wstring path;
};

ProfileKey ParseProfileKey(std::string_view name) {
    const auto slash = name.find('\\');
    const HKEY root =
        name.substr(0, slash) == "HKEY_CURRENT_USER" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    return {root, Widen(std::string(name.substr(slash + 1)))};
}

void PutIn(RegistryView view, const ProfileKey& where, const std::wstring& text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(where.root, where.path.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | ViewFlag(view), nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::wstring GetIn(RegistryView view, const ProfileKey& where) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(where.root, where.path.c_str(), 0, KEY_QUERY_VALUE | ViewFlag(view), &key) !=
        ERROR_SUCCESS) {
        return L"(no key)";
    }
    wchar_t data[64] = {};
    DWORD size = sizeof data;
    const LSTATUS read = RegGetValueW(key, nullptr, L"Probe", RRF_RT_REG_SZ, nullptr, data, &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS ? std::wstring(data) : L"(no value)";
}

TEST_F(ProfilesOnWine, TheTwelveKeysAreReachedAsTheFiltersOfThisBitnessReachThem) {
    for (const auto name : profiles::kProfileKeys) {
        PutIn(RegistryView::Other, ParseProfileKey(name), L"other");
        PutIn(RegistryView::Own, ParseProfileKey(name), L"own");
    }
    Save("Views");
    const std::string registryFile = files.ReadAll(SavPath("Views.reg")).value_or("");
    EXPECT_EQ(registryFile.find("\"other\""), std::string::npos) << registryFile;
    for (const auto name : profiles::kProfileKeys) {
        // Built in place: GCC 12 warns wrongly (-Wrestrict) on "literal" + a temporary in
        // the optimised i686 build.
        std::string section = "[";
        section.append(name).append("]\r\n\"Probe\"=\"own\"");
        EXPECT_NE(registryFile.find(section), std::string::npos) << name;
        PutIn(RegistryView::Own, ParseProfileKey(name), L"changed");
    }

    Import(SavPath("Views.reg"));

    for (const auto name : profiles::kProfileKeys) {
        const ProfileKey key = ParseProfileKey(name);
        EXPECT_EQ(GetIn(RegistryView::Own, key), L"own") << name;
        const bool shared = key.root == HKEY_CURRENT_USER;
        EXPECT_EQ(GetIn(RegistryView::Other, key), shared ? L"own" : L"other") << name;
        for (const auto view : {RegistryView::Own, RegistryView::Other}) {
            RegDeleteKeyExW(key.root, key.path.c_str(), ViewFlag(view), 0);
        }
    }
}

TEST_F(ProfilesOnWine, WithoutAnyOfTheKeysTheRegistryFileIsItsHeaderAlone) {
    Save("Empty");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"The profile has been saved."}));
    EXPECT_EQ(files.ReadAll(SavPath("Empty.reg")), "REGEDIT4\r\n");
    EXPECT_FALSE(files.FileExists(SavPath("temp.txt")));
}

TEST_F(ProfilesOnWine, AProfileThatCannotBeReplacedStaysAsItWas) {
    ASSERT_TRUE(files.WriteAllAtomic(SavPath("Kept.sav"), "001 1\r\n").ok());
    ASSERT_TRUE(files.WriteAllAtomic(SavPath("Kept.reg"), "REGEDIT4\r\n; old\r\n").ok());
    profiles::RefreshProfileList(app);
    // Another program holds the state file open without sharing it: the registry file
    // is written first, and must be put back when the state file cannot follow.
    HANDLE held = CreateFileW(Widen(SavPath("Kept.sav")).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    Save("Kept");

    CloseHandle(held);
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"A profile with this name already exists. "
                                                      "Replace it?"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(SavPath("Kept.sav")), std::string::npos) << ui.messages[0];
    EXPECT_EQ(files.ReadAll(SavPath("Kept.sav")), "001 1\r\n");
    EXPECT_EQ(files.ReadAll(SavPath("Kept.reg")), "REGEDIT4\r\n; old\r\n");
    EXPECT_EQ(files.ListFiles(pack.PackDir() + "\\Sav", "*"),
              (std::vector<std::string>{"Kept.reg", "Kept.sav"}))
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace tzp::testing
