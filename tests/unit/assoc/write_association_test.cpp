#include "assoc/write_association.h"

#include <algorithm>

#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using platform::Answer;

constexpr const char* kPlayer = R"(C:\Program Files\Test Player\tplayer.exe)";
constexpr const char* kCommand = R"("C:\Program Files\Test Player\tplayer.exe" "%1")";
constexpr const char* kIcon = R"("C:\Program Files\Test Player\tplayer.exe",0)";

struct WriteAssociationTest : AssocTest {
    void SetUp() override {
        AssocTest::SetUp();
        sys.files.AddFile(kPlayer, "MZ");
    }
    // Ticks the entry of `list` whose extension is `ext`.
    void Tick(const char* list, const std::string& ext) {
        const auto& entries = sys.form->Entries(list);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text.starts_with(ext + " (")) {
                sys.form->SetTicked(list, i, true);
                return;
            }
        }
        FAIL() << "no entry " << ext << " in " << list;
    }
    void ChooseAndAssociate(Answer answer = Answer::Yes) {
        sys.ui.chosenFiles.push_back(kPlayer);
        sys.form->Click("Command7");
        sys.ui.answers.push_back(answer);
        sys.form->Click("Command6");
    }
};

TEST_F(WriteAssociationTest, SixOperationsInOrderWithAQuotedPathWithSpaces) {
    FileType(".avi", "MPC.avi", R"(C:\MPC\mplayerc.exe "%1")");
    sys.registry.Set("HKCR\\MPC.avi\\shell\\", "play");
    sys.Start();
    sys.registry.log.clear();
    ASSERT_TRUE(assoc::WriteAssociation(sys.app, kPlayer, ".avi").ok());
    const std::string user = std::string(kUserExts) + ".avi\\";
    const std::vector<std::string> expected = {
        "read:HKCR\\.avi\\",
        "read:HKCR\\MPC.avi\\shell\\",
        std::string("write:HKCR\\MPC.avi\\shell\\play\\command\\=") + kCommand,
        std::string("write:HKCR\\MPC.avi\\DefaultIcon\\=") + kIcon,
        "delete:" + user + "ProgID",
        "delete:" + user + "UserChoice\\",
        // Then, beyond the six, the program is offered by the shell too.
        "write:HKCR\\.avi\\OpenWithProgids\\MPC.avi=",
    };
    EXPECT_EQ(sys.registry.log, expected);
    EXPECT_EQ(sys.registry.Get("HKCR\\MPC.avi\\shell\\play\\command\\")->type,
              fakes::StoredType::String);
}

TEST_F(WriteAssociationTest, TheUsersChoiceIsRemovedSoTheClassKeyGovernsAgain) {
    FileType(".avi", "MPC.avi", R"(C:\MPC\mplayerc.exe "%1")");
    FileType(".unused", "VLC.avi", R"(C:\VLC\vlc.exe "%1")");
    sys.registry.Set(std::string(kUserExts) + ".avi\\ProgId", "VLC.avi");
    sys.registry.Set(std::string(kUserExts) + ".avi\\UserChoice\\Progid", "VLC.avi");
    sys.Start();
    EXPECT_EQ(Texts("List1")[28], ".avi (vlc)");
    Tick("List1", ".avi");
    ChooseAndAssociate();
    EXPECT_EQ(Texts("List1")[28], ".avi (tplayer)");
    EXPECT_EQ(Value("HKCR\\VLC.avi\\shell\\open\\command\\"), R"(C:\VLC\vlc.exe "%1")");
    EXPECT_FALSE(sys.registry.KeyExists(std::string(kUserExts) + ".avi\\UserChoice"));
    EXPECT_EQ(Value(std::string(kUserExts) + ".avi\\ProgId"), "<absent>");
}

TEST_F(WriteAssociationTest, AnUntickedExtensionSharingTheProgIdFollows) {
    FileType(".mpg", "Media.File", R"(C:\Old\old.exe "%1")");
    FileType(".mpeg", "Media.File", R"(C:\Old\old.exe "%1")");
    sys.registry.Set("HKCR\\.mpe\\", "Media.File");
    // .mpe has its own user choice, which the run does not touch.
    sys.registry.Set(std::string(kUserExts) + ".mpe\\ProgId", "Other.File");
    sys.registry.Set("HKCR\\Other.File\\shell\\open\\command\\", R"(C:\Other\other.exe "%1")");
    sys.Start();
    Tick("List1", ".mpg");
    ChooseAndAssociate();
    EXPECT_EQ(Texts("List1")[0], ".mpg (tplayer)");
    EXPECT_EQ(Texts("List1")[1], ".mpeg (tplayer)");
    EXPECT_EQ(Texts("List1")[2], ".mpe (other)");
}

TEST_F(WriteAssociationTest, AnExtensionTickedTwiceIsWrittenTwice) {
    FileType(".mp4", "MP4.File", R"(C:\Old\old.exe "%1")");
    sys.files.AddFile(kExtsPath, ".mp4\r\n");
    sys.Start();
    Tick("List1", ".mp4");
    Tick("List2", ".mp4");
    Tick("List3", ".mp4");
    sys.registry.log.clear();
    ChooseAndAssociate();
    const auto writes = std::count(sys.registry.log.begin(), sys.registry.log.end(),
                                   std::string("write:HKCR\\MP4.File\\DefaultIcon\\=") + kIcon);
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(Texts("List3")[0], ".mp4 (tplayer)");
}

TEST_F(WriteAssociationTest, AnExtensionWithoutClassProgIdGetsOne) {
    sys.registry.Set("HKCR\\.ogm\\Content Type", "video/ogg");  // key without default
    sys.registry.Set("HKCR\\.mkv\\", "");                       // empty default
    sys.files.AddFile(kExtsPath, ".New\r\n");
    sys.Start();
    Tick("List1", ".ogm");
    Tick("List1", ".mkv");
    Tick("List3", ".New");
    ChooseAndAssociate();
    EXPECT_EQ(Value("HKCR\\.ogm\\"), "TessalyZivozodPack.ogm");
    EXPECT_EQ(Value("HKCR\\TessalyZivozodPack.ogm\\shell\\open\\command\\"), kCommand);
    EXPECT_EQ(Value("HKCR\\TessalyZivozodPack.ogm\\DefaultIcon\\"), kIcon);
    EXPECT_EQ(Value("HKCR\\.mkv\\"), "TessalyZivozodPack.mkv");
    EXPECT_EQ(Value("HKCR\\.new\\"), "TessalyZivozodPack.New");
    EXPECT_FALSE(sys.registry.KeyExists("HKCR\\Erreur"));
    EXPECT_FALSE(sys.registry.KeyExists("HKCR\\shell"));
    EXPECT_EQ(Texts("List1")[29], ".ogm (tplayer)");
    EXPECT_EQ(Texts("List3")[0], ".New (tplayer)");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 020"});
    // A second run finds the ProgID made by the first and keeps it.
    Tick("List1", ".ogm");
    ChooseAndAssociate();
    EXPECT_EQ(Value("HKCR\\.ogm\\"), "TessalyZivozodPack.ogm");
}

TEST_F(WriteAssociationTest, ARefusedWriteIsReportedAndTheOthersStillWritten) {
    SetLanguageLine("073", nullptr);
    SetLanguageLine("074", nullptr);
    FileType(".avi", "Locked.File", R"(C:\Old\old.exe "%1")");
    FileType(".mkv", "MKV.File", R"(C:\Old\old.exe "%1")");
    sys.registry.Set(std::string(kUserExts) + ".avi\\ProgId", "Locked.File");
    sys.registry.DenyWritesUnder("HKCR\\Locked.File");
    sys.registry.DenyWritesUnder("HKCR\\.wav");
    sys.files.AddFile(kExtsPath, ".bat\r\n.bad|one\r\n");
    sys.Start();
    Tick("List1", ".avi");
    Tick("List1", ".mkv");
    Tick("List2", ".wav");
    Tick("List3", ".bat");
    Tick("List3", ".bad|one");
    ChooseAndAssociate();
    EXPECT_EQ(Value("HKCR\\MKV.File\\shell\\open\\command\\"), kCommand);
    // Nothing of a refused extension changes, its user choice included.
    EXPECT_EQ(Value(std::string(kUserExts) + ".avi\\ProgId"), "Locked.File");
    EXPECT_FALSE(sys.registry.KeyExists("HKCR\\.bat"));
    EXPECT_FALSE(sys.registry.KeyExists("HKCR\\.bad|one"));
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    EXPECT_EQ(sys.ui.messages[0],
              "These extensions could not be associated; the others were:\r\n"
              ".avi: error 5\r\n.wav: error 5\r\n"
              ".bat: not an extension that can be associated with a player\r\n"
              ".bad|one: not an extension that can be associated with a player\r\n");
    // The run went on to the end all the same.
    EXPECT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(Texts("List1")[30], ".mkv (tplayer)");
    EXPECT_EQ(sys.form->Get("wf").left, 12000);
}

TEST_F(WriteAssociationTest, YesShowsThePanelWritesRebuildsStartsZuvAndReports) {
    FileType(".avi", "MPC.avi", R"(C:\MPC\mplayerc.exe "%1")");
    sys.Start();
    Tick("List1", ".avi");
    std::vector<std::string> seen;
    sys.ui.onDoEvents = [&] {
        const auto& wf = sys.form->Get("wf");
        seen.push_back(std::to_string(wf.left) + "," + std::to_string(wf.top) + " " +
                       Value("HKCR\\MPC.avi\\DefaultIcon\\") + " " + Texts("List1")[28] + " " +
                       std::to_string(sys.processes.started.size()));
    };
    ChooseAndAssociate();
    const std::string icon = kIcon;
    const std::vector<std::string> expected = {
        "0,0 <absent> .avi (mplayerc) 0",             // panel shown
        "0,0 " + icon + " .avi (mplayerc) 0",         // after List1
        "0,0 " + icon + " .avi (mplayerc) 0",         // after List2
        "0,0 " + icon + " .avi (mplayerc) 0",         // after List3
        "0,0 " + icon + " .avi (mplayerc) 0",         // after the loop
        "0,0 " + icon + " .avi (tplayer) 0",          // rebuilt
        "0,0 " + icon + " .avi (tplayer) 1",          // ZUV started
        "12000,12000 " + icon + " .avi (tplayer) 1",  // panel parked
    };
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(sys.processes.started[0].commandLine, "\"C:\\Pack\\ZUV.exe\" /S");
    EXPECT_EQ(sys.processes.started[0].style, platform::WindowStyle::Minimized);
    EXPECT_EQ(sys.ui.questions, std::vector<std::string>{"en 019"});
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 020"});
    EXPECT_EQ(sys.form->Text("Text3"), "");
    EXPECT_EQ(sys.form->Text("asss"), "");
}

TEST_F(WriteAssociationTest, NothingTickedStillRebuildsStartsZuvAndReports) {
    sys.Start();
    sys.registry.log.clear();
    ChooseAndAssociate();
    for (const auto& op : sys.registry.log) {
        EXPECT_TRUE(op.starts_with("read:")) << op;
    }
    EXPECT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 020"});
}

TEST_F(WriteAssociationTest, NoOrNoProgramWritesNothingAndForgetsTheProgram) {
    FileType(".avi", "MPC.avi", R"(C:\MPC\mplayerc.exe "%1")");
    sys.Start();
    Tick("List1", ".avi");
    sys.registry.log.clear();
    ChooseAndAssociate(Answer::No);
    EXPECT_TRUE(sys.registry.log.empty());
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_EQ(sys.form->Text("Text3"), "");
    EXPECT_EQ(sys.form->Text("asss"), "");
    EXPECT_TRUE(sys.form->Entries("List1")[28].ticked);
    // The program must be chosen again.
    sys.form->Click("Command6");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 018"});
    EXPECT_EQ(sys.ui.questions.size(), 1u);
    EXPECT_TRUE(sys.registry.log.empty());
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(sys.form->Get("wf").left, 12000);
}

struct ChooseProgramTest : WriteAssociationTest {};

TEST_F(ChooseProgramTest, AsksWithTheDialogsTitleFilterAndInitialName) {
    sys.Start();
    sys.ui.chosenFiles.push_back(kPlayer);
    sys.form->Click("Command7");
    EXPECT_EQ(sys.ui.log, std::vector<std::string>{"open:en 030|en 031 (*.exe)|*.exe|*.exe"});
    EXPECT_EQ(sys.form->Text("asss"), kPlayer);
    EXPECT_EQ(sys.form->Text("Text3"), "tplayer.exe");
}

TEST_F(ChooseProgramTest, ACancelOrAMissingFileChangesNothing) {
    sys.Start();
    sys.ui.chosenFiles.push_back(kPlayer);
    sys.form->Click("Command7");
    sys.ui.chosenFiles.push_back(std::nullopt);
    sys.form->Click("Command7");
    sys.ui.chosenFiles.push_back("C:\\Nowhere\\gone.exe");
    sys.form->Click("Command7");
    EXPECT_EQ(sys.form->Text("asss"), kPlayer);
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(ChooseProgramTest, OnlyAnExeFileIsTaken) {
    sys.files.AddFile("C:\\Tools\\PLAYER.EXE", "MZ");
    sys.files.AddFile("C:\\Tools\\play.cmd", "@echo");
    sys.files.AddFile("C:\\Tools\\notexe", "MZ");
    sys.Start();
    sys.ui.chosenFiles.push_back("C:\\Tools\\PLAYER.EXE");
    sys.form->Click("Command7");
    EXPECT_EQ(sys.form->Text("Text3"), "PLAYER.EXE");
    for (const char* refused : {"C:\\Tools\\play.cmd", "C:\\Tools\\notexe"}) {
        sys.ui.chosenFiles.push_back(kPlayer);
        sys.form->Click("Command7");
        sys.ui.chosenFiles.push_back(refused);
        sys.form->Click("Command7");
        EXPECT_EQ(sys.form->Text("asss"), "") << refused;
        EXPECT_EQ(sys.form->Text("Text3"), "") << refused;
    }
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 032", "en 032"}));
}

}  // namespace
}  // namespace tzp::assoc_test
