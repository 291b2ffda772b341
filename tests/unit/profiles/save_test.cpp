#include <gtest/gtest.h>

#include "profile_test_support.h"
#include "profiles/key_export.h"
#include "profiles/profile_files.h"
#include "ui/form1_controls.h"

namespace tzp::profiles {
namespace {

using platform::Answer;
using testing::kTemporaryExport;
using testing::Utf16Le;

constexpr const char* kQuorel = "HKEY_CURRENT_USER\\Software\\Quorel";
constexpr const char* kAc3 = "HKEY_CURRENT_USER\\Software\\AC3Filter";
constexpr const char* kOn2 = "HKEY_LOCAL_MACHINE\\Software\\On2 Technologies";

std::string ExportOf(const std::string& key, const std::string& values) {
    return Utf16Le("Windows Registry Editor Version 5.00\r\n\r\n[" + key + "]\r\n" + values +
                   "\r\n");
}

struct SaveTest : ::testing::Test {
    fakes::FakeSystem sys;
    testing::FakeRegistryEditor editor;

    void SetUp() override {
        sys.InstallStandardPack();
        sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", "001 1\r\n");
        sys.files.AddFile("C:\\Pack\\Sav\\Films.reg", "REGEDIT4\r\n");
        sys.Start();
        editor.Install(sys);
    }

    void Save(const std::string& name, std::initializer_list<Answer> answers = {Answer::Yes}) {
        sys.form->SetText("Combo1", name);
        sys.ui.answers.assign(answers.begin(), answers.end());
        sys.form->Click("Command2");
    }

    std::string FileText(const std::string& name) {
        return sys.files.Content("C:\\Pack\\Sav\\" + name).value_or("<missing>");
    }
};

TEST_F(SaveTest, AnEmptyNameIsRefusedWith038) {
    Save("");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 038"}));
    EXPECT_TRUE(sys.ui.questions.empty());
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_TRUE(sys.processes.started.empty());
}

TEST_F(SaveTest, AsksWhetherToReplaceOnlyForAnExactlyListedName) {
    Save("Films", {Answer::No});
    Save("films", {Answer::No});
    Save("Concerts", {Answer::No});
    EXPECT_EQ(sys.ui.questions, (std::vector<std::string>{"en 041", "en 039", "en 039"}));
    // No: nothing written, nothing started, nothing changed.
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(FileText("Films.sav"), "001 1\r\n");
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(SaveTest, RefusesANameThatCannotBeAFileName) {
    for (const char* name : {"..\\Langs\\en", "a:b", "CON", "nul.txt", "..", "tab\tname"}) {
        sys.ui.messages.clear();
        Save(name);
        EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 065"})) << name;
    }
    EXPECT_TRUE(sys.ui.questions.empty());
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_TRUE(sys.processes.started.empty());

    // The built-in text stands in when the language file lacks the id.
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", "038=empty\r\n");
    sys.ui.messages.clear();
    Save("a|b");
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    EXPECT_NE(sys.ui.messages[0].find("cannot be used for a profile"), std::string::npos);
}

TEST_F(SaveTest, WritesBothFilesAndShowsTheSavedProfile) {
    sys.form->SetValueQuietly("Check6", 1);
    sys.form->SetValueQuietly("Check13", 1);
    sys.form->SetValue("ischange", 1);
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Name\"=\"Vid\xC3\xA9o\"");
    editor.exports[kAc3] = ExportOf(kAc3, "\"Gain\"=dword:00000010");
    editor.exports[kOn2] = ExportOf(kOn2, "\"Path\"=hex(2):43,00,3a,00,00,00");
    int panelShownAtEvents = 0;
    sys.ui.onDoEvents = [&] {
        if (sys.form->Get("wf").left == 0 && sys.form->Get("wf").top == 0) {
            ++panelShownAtEvents;
        }
    };

    Save("Concerts");

    EXPECT_EQ(sys.ui.questions, (std::vector<std::string>{"en 039"}));
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 040"}));
    EXPECT_EQ(FileText("Concerts.sav"),
              "001 0\r\n002 0\r\n003 0\r\n004 0\r\n005 0\r\n006 1\r\n009 0\r\n010 0\r\n"
              "011 0\r\n012 0\r\n013 1\r\n014 0\r\n015 0\r\n016 0\r\n017 0\r\n018 0\r\n"
              "019 0\r\n020 0\r\n070 0\r\n");
    EXPECT_EQ(FileText("Concerts.reg"),
              "REGEDIT4\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\"Name\"=\"Vid\xE9o\"\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\AC3Filter]\r\n\"Gain\"=dword:00000010\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\On2 Technologies]\r\n"
              "\"Path\"=hex(2):43,3a,00\r\n");
    EXPECT_FALSE(sys.files.FileExists(kTemporaryExport));

    // Every key exported (their names and order: the next test), each by a minimised
    // registry editor.
    ASSERT_EQ(sys.processes.started.size(), 12u);
    EXPECT_EQ(sys.processes.started[0].commandLine,
              "regedit.exe /e /s \"C:\\Pack\\Sav\\temp.txt\" "
              "\"HKEY_CURRENT_USER\\Software\\Quorel\"");
    EXPECT_EQ(editor.exportedKeys.size(), 12u);
    for (const auto& started : sys.processes.started) {
        EXPECT_EQ(started.style, platform::WindowStyle::Minimized) << started.commandLine;
    }

    EXPECT_GT(panelShownAtEvents, 0);
    EXPECT_EQ(sys.form->Get("wf").left, ui::kPark);
    EXPECT_EQ(sys.form->Get("wf").top, ui::kPark);
    EXPECT_EQ(sys.form->Text("Combo1"), "Concerts");
    const auto& entries = sys.form->Entries("Combo1");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "Concerts");
    EXPECT_EQ(entries[1].text, "Films");
    EXPECT_EQ(sys.form->Value("ischange"), 0);
}

// The keys as the pack's documentation lists them, typed from that list rather than from
// the program's table: a slip in a key name would silently drop a filter's settings.
TEST_F(SaveTest, ExportsExactlyTheTwelveDocumentedKeysInOrder) {
    Save("Films");
    EXPECT_EQ(editor.exportedKeys, (std::vector<std::string>{
                                       "HKEY_CURRENT_USER\\Software\\Quorel",
                                       "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow",
                                       "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_audio",
                                       "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_enc",
                                       "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_vfw",
                                       "HKEY_CURRENT_USER\\Software\\GNU\\Norvi",
                                       "HKEY_CURRENT_USER\\Software\\AC3Filter",
                                       "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow",
                                       "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow_audio",
                                       "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow_vfw",
                                       "HKEY_LOCAL_MACHINE\\Software\\NorviMkx",
                                       "HKEY_LOCAL_MACHINE\\Software\\On2 Technologies",
                                   }));
}

TEST_F(SaveTest, ARegistryFileStartsWithItsHeaderEvenWithoutAnyKey) {
    Save("Films");
    EXPECT_EQ(sys.ui.questions, (std::vector<std::string>{"en 041"}));
    EXPECT_EQ(FileText("Films.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(FileText("Films.sav").substr(0, 7), "001 0\r\n");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 040"}));
}

TEST_F(SaveTest, NeverAppendsAnExportTwiceOrAStaleOne) {
    // A temporary file left by an earlier run, and a key missing after one that exists.
    sys.files.AddFile(kTemporaryExport, ExportOf(kQuorel, "\"Old\"=dword:00000001"));
    editor.exports["HKEY_CURRENT_USER\\Software\\GNU\\ffdshow"] =
        ExportOf("HKEY_CURRENT_USER\\Software\\GNU\\ffdshow", "\"New\"=dword:00000002");
    Save("Concerts");
    EXPECT_EQ(FileText("Concerts.reg"),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\GNU\\ffdshow]\r\n"
              "\"New\"=dword:00000002\r\n");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 040"}));
}

TEST_F(SaveTest, AnExportOfAnotherKeyIsNotTakenForTheOneAskedFor) {
    // An editor that answers for the wrong key (a slow earlier one writing late).
    editor.exports[kQuorel] = ExportOf(kAc3, "\"Gain\"=dword:00000010");
    Save("Concerts");
    EXPECT_EQ(FileText("Concerts.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{std::string("en 068\n") + kQuorel, "en 040"}));
}

TEST_F(SaveTest, TellsWhichSettingsCouldNotBeKept) {
    editor.exports[kQuorel] =
        ExportOf(kQuorel, "\"Ok\"=dword:00000001\r\n\"Title\"=\"\xE6\x97\xA5\"");
    Save("Concerts");
    EXPECT_EQ(FileText("Concerts.reg"),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"
              "\"Ok\"=dword:00000001\r\n");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{
                                   std::string("en 068\n") + kQuorel + " \"Title\"", "en 040"}));
}

TEST_F(SaveTest, AnEditorThatCannotStartOrNeverEndsLeavesEveryKeyOutAndSaysSo) {
    std::string allKeys = "en 068";
    for (const char* key : kProfileKeys) {
        allKeys += std::string("\n") + key;
    }

    sys.processes.onStart = [](const std::string&) { return false; };
    Save("Concerts");
    EXPECT_EQ(FileText("Concerts.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{allKeys, "en 040"}));

    // An export that does not end within the limit: the window's events keep running
    // while it is awaited, and the save goes on.
    editor.Install(sys);
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Ok\"=dword:00000001");
    sys.processes.neverExits = true;
    sys.ui.messages.clear();
    const int eventsBefore = sys.ui.doEventsCount;
    Save("Concerts");
    EXPECT_EQ(FileText("Concerts.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{allKeys, "en 040"}));
    EXPECT_GE(sys.ui.doEventsCount - eventsBefore,
              12 * static_cast<int>(kExportTimeLimitMs / kExportPollMs) - 12);
}

TEST_F(SaveTest, AnExportThatTimesOutIsEndedAndTheLaterKeysAreSaved) {
    const char* kAc3 = "HKEY_CURRENT_USER\\Software\\AC3Filter";
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Half\"=dword:00000001");
    editor.exports[kAc3] = ExportOf(kAc3, "\"Ok\"=dword:00000002");
    auto exportKey = sys.processes.onStart;
    sys.processes.onStart = [&](const std::string& commandLine) {
        // Only the first key's editor hangs, holding its half-written export.
        sys.processes.neverExits = commandLine.find("Quorel") != std::string::npos;
        return exportKey(commandLine);
    };
    Save("Concerts");
    EXPECT_EQ(sys.processes.terminated,
              (std::vector<std::string>{ExportCommandLine(sys.app, kQuorel)}));
    EXPECT_EQ(FileText("Concerts.reg"),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\AC3Filter]\r\n"
              "\"Ok\"=dword:00000002\r\n");
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{std::string("en 068\n") + kQuorel, "en 040"}));
}

TEST_F(SaveTest, WaitsForTheExportBeforeReadingIt) {
    sys.processes.pollsUntilExit = 3;
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Ok\"=dword:00000001");
    Save("Concerts");
    EXPECT_NE(FileText("Concerts.reg").find("\"Ok\"=dword:00000001"), std::string::npos);
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 040"}));
}

TEST_F(SaveTest, ASaveAskedForWhileOneRunsIsIgnored) {
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Ok\"=dword:00000001");
    sys.ui.onDoEvents = [&] { sys.form->Click("Command2"); };
    Save("Concerts");
    EXPECT_EQ(sys.processes.started.size(), 12u);
    EXPECT_EQ(sys.ui.questions.size(), 1u);
    EXPECT_NE(FileText("Concerts.reg").find("\"Ok\"=dword:00000001"), std::string::npos);
}

TEST(SaveWithoutFolder, AMissingProfileFolderIsReportedAndNothingIsWritten) {
    // A pack whose installation lost its Sav folder.
    fakes::FakeSystem sys;
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", fakes::MakeLanguageFile("en "));
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "en");
    sys.Start();
    sys.form->SetText("Combo1", "Concerts");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command2");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 066\nC:\\Pack\\Sav\\"}));
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(sys.form->Text("Combo1"), "Concerts");
    EXPECT_EQ(sys.form->Get("wf").top, ui::kPark);
}

TEST_F(SaveTest, AFileThatCannotBeWrittenLeavesTheOldProfileWhole) {
    sys.form->SetValueQuietly("Check6", 1);
    sys.form->SetValue("ischange", 1);
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Ok\"=dword:00000001");

    // The registry file cannot be replaced: neither file changes.
    sys.files.DenyWrites("C:\\Pack\\Sav\\Films.reg");
    Save("Films");
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{"en 067\nC:\\Pack\\Sav\\Films.reg\nerror 5"}));
    EXPECT_EQ(FileText("Films.sav"), "001 1\r\n");
    EXPECT_EQ(FileText("Films.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(sys.form->Value("ischange"), 1);
    EXPECT_EQ(sys.form->Get("wf").left, ui::kPark);
    EXPECT_FALSE(sys.files.FileExists(kTemporaryExport));
}

TEST_F(SaveTest, AStateFileThatCannotBeWrittenPutsTheRegistryFileBack) {
    editor.exports[kQuorel] = ExportOf(kQuorel, "\"Ok\"=dword:00000001");
    sys.files.DenyWrites("C:\\Pack\\Sav\\Films.sav");
    Save("Films");
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{"en 067\nC:\\Pack\\Sav\\Films.sav\nerror 5"}));
    EXPECT_EQ(FileText("Films.sav"), "001 1\r\n");
    EXPECT_EQ(FileText("Films.reg"), "REGEDIT4\r\n");

    // A new profile leaves no registry file of its own behind.
    sys.files.DenyWrites("C:\\Pack\\Sav\\Concerts.sav");
    Save("Concerts");
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Concerts.reg"));
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Concerts.sav"));
}

// Every step of a save that changes the disk is refused in turn, and then the disk fills
// up at each step in turn. A save that meets the fault says which file it could not write
// and leaves the old profile (or no profile) whole, with no temporary file behind; one
// that does not meet it saves both files.
TEST(SaveDiskFaults, AFaultAtAnyStepIsReportedAndLeavesTheOldFilesWhole) {
    const std::string oldState = "001 1\r\n";
    const std::string oldRegistry = "REGEDIT4\r\n; old\r\n";
    for (const bool diskFull : {false, true}) {
        for (const std::string name : {"Films", "Concerts"}) {
            const std::string sav = "C:\\Pack\\Sav\\" + name + ".sav";
            const std::string reg = "C:\\Pack\\Sav\\" + name + ".reg";
            int reported = 0;
            for (int step = 1;; ++step) {
                SCOPED_TRACE(name + (diskFull ? ", disk full at step " : ", refused step ") +
                             std::to_string(step));
                fakes::FakeSystem sys;
                testing::FakeRegistryEditor editor;
                sys.InstallStandardPack();
                sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", oldState);
                sys.files.AddFile("C:\\Pack\\Sav\\Films.reg", oldRegistry);
                sys.Start();
                editor.Install(sys);
                editor.exports[kOn2] = ExportOf(kOn2, "\"Ok\"=dword:00000001");
                sys.form->SetValueQuietly("Check6", 1);
                diskFull ? sys.files.FillDiskAtStep(step) : sys.files.RefuseStep(step);
                sys.files.steps = 0;
                sys.form->SetText("Combo1", name);
                sys.ui.answers = {Answer::Yes};
                sys.form->Click("Command2");
                if (sys.files.steps < step) {
                    // The fault came after the last step: the save went through.
                    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 040"}));
                    EXPECT_NE(sys.files.Content(sav).value_or("").find("\r\n006 1\r\n"),
                              std::string::npos);
                    // "[" + std::string(kOn2) draws a false -Wrestrict from GCC 12 in the
                    // optimised i686 build; the section name is built in place.
                    std::string section = "[";
                    section += kOn2;
                    EXPECT_NE(sys.files.Content(reg).value_or("").find(section), std::string::npos);
                    break;
                }
                const bool saved = sys.ui.messages == std::vector<std::string>{"en 040"};
                if (!saved) {
                    ++reported;
                    ASSERT_EQ(sys.ui.messages.size(), 1u);
                    EXPECT_EQ(sys.ui.messages[0].rfind("en 067\n", 0), 0u);
                    EXPECT_NE(sys.ui.messages[0].find(diskFull ? "error 112" : "error 5"),
                              std::string::npos);
                    EXPECT_EQ(sys.files.Content(sav),
                              name == "Films" ? std::optional(oldState) : std::nullopt);
                    EXPECT_EQ(sys.files.Content(reg),
                              name == "Films" ? std::optional(oldRegistry) : std::nullopt);
                }
                const auto left = sys.files.ListFiles("C:\\Pack\\Sav", "*.tmp");
                EXPECT_TRUE(left.empty()) << left.front();
            }
            // The steps: the export file removed (refusing it harms nothing), two
            // temporary files written, two replacements. A disk full from any of the first
            // three stops a temporary file; replacing needs no room.
            EXPECT_EQ(reported, diskFull ? 3 : 4) << name;
        }
    }
}

}  // namespace
}  // namespace tzp::profiles
