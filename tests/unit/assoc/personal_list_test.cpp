#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

struct PersonalListTest : AssocTest {
    void Add(const std::string& typed) {
        sys.form->SetText("Text1", typed);
        sys.form->Click("Command4");
    }
    void Remove(const std::string& typed) {
        sys.form->SetText("Text2", typed);
        sys.form->Click("Command5");
    }
};

TEST_F(PersonalListTest, StartUpReadsEveryNonEmptyLineInFileOrder) {
    FileType(".xyz", "X.file", R"(C:\X\x.exe "%1")");
    sys.files.AddFile(kExtsPath, ".xyz\r\n\r\n.ABC\r\n\r\n .pad\r\n.last");
    sys.Start();
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".xyz (x)", ".ABC (en 029)",
                                                        " .pad (en 029)", ".last (en 029)"}));
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(PersonalListTest, AMissingFileOrFolderStartsWithAnEmptyListAndNoMessage) {
    sys.files.Remove(kExtsPath).ok();
    sys.Start();
    EXPECT_TRUE(Texts("List3").empty());
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(PersonalListTest, AddsTheTypedExtensionWithOrWithoutItsDot) {
    FileType(".xyz", "X.file", R"("C:\Program Files\X\xplay.exe" "%1")");
    sys.Start();
    Add("xyz");
    Add(".abc");
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".xyz (xplay)", ".abc (en 029)"}));
    EXPECT_EQ(ExtsFile(), ".xyz\r\n.abc\r\n");
    EXPECT_EQ(sys.form->Text("Text1"), "");
    EXPECT_FALSE(sys.form->Entries("List3")[1].ticked);
    EXPECT_TRUE(sys.ui.messages.empty());
}

TEST_F(PersonalListTest, ANotAssociatedTextHoldingAParenthesisKeepsTheFileWhole) {
    SetLanguageLine("029", "aucun (non associ\xE9)");
    sys.files.AddFile(kExtsPath, ".abc\r\n");
    sys.Start();
    Add("xyz");
    Remove("abc");
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".xyz (aucun(non associ\xC3\xA9))"}));
    EXPECT_EQ(ExtsFile(), ".xyz\r\n");
}

TEST_F(PersonalListTest, DuplicatesAreFoundWithTheirLetterCase) {
    sys.Start();
    Add("xyz");
    Add(".xyz");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 015"});
    Add("XYZ");
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".xyz (en 029)", ".XYZ (en 029)"}));
    EXPECT_EQ(ExtsFile(), ".xyz\r\n.XYZ\r\n");
    // A catalogue extension is added to the personal list all the same.
    Add("mp4");
    EXPECT_EQ(Texts("List3").back(), ".mp4 (en 029)");
}

TEST_F(PersonalListTest, ExeInAnyCaseIsRefusedWithoutTouchingTheFile) {
    sys.files.AddFile(kExtsPath, ".keep\r\n");
    sys.Start();
    const int writes = sys.files.writes;
    for (const char* typed : {"exe", ".exe", "EXE", ".ExE"}) {
        Add(typed);
        EXPECT_EQ(sys.form->Text("Text1"), "") << typed;
    }
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>(4, "en 046"));
    EXPECT_EQ(sys.files.writes, writes);
    EXPECT_EQ(Texts("List3"), std::vector<std::string>{".keep (en 029)"});
    // Followed by a space it is another extension, and accepted.
    Add("exe ");
    EXPECT_EQ(Texts("List3").back(), ".exe  (en 029)");
    EXPECT_EQ(ExtsFile(), ".keep\r\n.exe \r\n");
}

TEST_F(PersonalListTest, OtherProgramTypesAreRefusedWithTheirOwnMessage) {
    SetLanguageLine("070", nullptr);
    sys.Start();
    for (const char* typed : {"com", ".BAT", "cmd", "scr", "pif", "LNK", ".msi"}) {
        Add(typed);
    }
    ASSERT_EQ(sys.ui.messages.size(), 7u);
    EXPECT_EQ(sys.ui.messages[1],
              ".BAT files are programs that Windows runs by itself; this extension cannot be "
              "associated with a player.");
    EXPECT_TRUE(Texts("List3").empty());
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_EQ(sys.form->Text("Text1"), "");

    // A language file that has the text gives it, the extension in its place.
    SetLanguageLine("070", "Refus de %1.");
    Add("scr");
    EXPECT_EQ(sys.ui.messages.back(), "Refus de .scr.");
}

TEST_F(PersonalListTest, UnusableExtensionsReachNeitherTheFileNorTheRegistry) {
    SetLanguageLine("072", nullptr);
    sys.Start();
    sys.registry.log.clear();
    const char* refused[] = {".",
                             "..",
                             "a\\b",
                             "../x",
                             "a:b",
                             "*",
                             "a?",
                             "q\"",
                             "<x>",
                             "a|b",
                             "x (y)",
                             "tab\there",
                             "\xE2\x82\xAC\xE2\x98\x83",
                             "a\xC2\x80",
                             "\xC2\x9F",
                             "x\xC2\x8D"};
    for (const char* typed : refused) {
        sys.ui.messages.clear();
        Add(typed);
        ASSERT_EQ(sys.ui.messages.size(), 1u) << typed;
        EXPECT_NE(sys.ui.messages[0].find("not a usable extension"), std::string::npos) << typed;
        EXPECT_EQ(sys.form->Text("Text1"), "");
    }
    EXPECT_TRUE(Texts("List3").empty());
    EXPECT_EQ(sys.files.writes, 0);
    EXPECT_TRUE(Texts("List3").empty());
    EXPECT_TRUE(sys.registry.log.empty());
    // Names that merely resemble the refused ones are fine, and so are device names:
    // with its dot an extension is never a file or device name of its own.
    sys.ui.messages.clear();
    for (const char* typed : {"console", "com10", "(x)", "...", "a.b", "\xC3\xA9t\xC3\xA9", "prn",
                              ".NUL", "con", "com1", "aux"}) {
        Add(typed);
    }
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_EQ(Texts("List3").size(), 11u);
    EXPECT_EQ(ExtsFile(),
              ".console\r\n.com10\r\n.(x)\r\n...\r\n.a.b\r\n.\xE9t\xE9\r\n.prn\r\n"
              ".NUL\r\n.con\r\n.com1\r\n.aux\r\n");
}

TEST_F(PersonalListTest, AnEmptyBoxIsReportedAndTheFileRewrittenUnchanged) {
    sys.files.AddFile(kExtsPath, ".one\r\n\r\n.two");
    sys.Start();
    Add("");
    Remove("");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 016", "en 016"}));
    EXPECT_EQ(sys.files.writes, 2);
    EXPECT_EQ(ExtsFile(), ".one\r\n.two\r\n");
}

TEST_F(PersonalListTest, RemovesTheFirstMatchingEntryWithOrWithoutDot) {
    sys.files.AddFile(kExtsPath, ".one\r\n.ONE\r\n.two\r\n");
    sys.Start();
    Remove("ONE");
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".one (en 029)", ".two (en 029)"}));
    Remove(".one");
    EXPECT_EQ(ExtsFile(), ".two\r\n");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_EQ(sys.form->Text("Text2"), "");
    // A catalogue extension is not in the personal list.
    Remove("avi");
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 017"});
    EXPECT_EQ(Texts("List1")[28], ".avi (en 029)");
    Remove("two");
    EXPECT_TRUE(Texts("List3").empty());
    EXPECT_EQ(ExtsFile(), "");
}

TEST_F(PersonalListTest, AHandEditedLineCanBeRemovedWhateverItHolds) {
    sys.files.AddFile(kExtsPath, ".bad|line\r\n.ok\r\n");
    sys.Start();
    Remove("bad|line");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_EQ(ExtsFile(), ".ok\r\n");
}

TEST_F(PersonalListTest, AnUnwritableOrMissingFolderIsReportedAndTheListKept) {
    SetLanguageLine("071", nullptr);
    sys.files.AddFile(kExtsPath, ".old\r\n");
    sys.files.DenyWrites("C:\\Pack\\Settings");
    sys.Start();
    Add("new");
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    EXPECT_NE(sys.ui.messages[0].find(kExtsPath), std::string::npos);
    EXPECT_NE(sys.ui.messages[0].find("error 5"), std::string::npos);
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".old (en 029)", ".new (en 029)"}));
    EXPECT_EQ(ExtsFile(), ".old\r\n");

    // A pack without its Settings folder.
    fakes::FakeSystem noFolder;
    noFolder.files.AddFile("C:\\Pack\\Langs\\en.ini", fakes::MakeLanguageFile("en "));
    noFolder.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "en");
    noFolder.Start();
    EXPECT_TRUE(noFolder.ui.messages.empty());
    noFolder.form->SetText("Text1", "new");
    noFolder.form->Click("Command4");
    ASSERT_EQ(noFolder.ui.messages.size(), 1u);
    EXPECT_NE(noFolder.ui.messages[0].find("error 3"), std::string::npos);
    EXPECT_EQ(noFolder.form->Entries("List3").size(), 1u);
}

TEST_F(PersonalListTest, TheFileIsAnsiAndKeepsUtf8LinesItCannotHold) {
    sys.files.AddFile(kExtsPath, ".\xE9t\xE9\r\n");  // Windows-1252
    sys.Start();
    EXPECT_EQ(Texts("List3"), std::vector<std::string>{".\xC3\xA9t\xC3\xA9 (en 029)"});
    Add("x");
    EXPECT_EQ(ExtsFile(), ".\xE9t\xE9\r\n.x\r\n");

    fakes::FakeSystem withBom;
    withBom.InstallStandardPack();
    withBom.files.AddFile(kExtsPath, "\xEF\xBB\xBF.\xE2\x82\xAC\xE2\x98\x83\r\n");
    withBom.Start();
    withBom.form->SetText("Text1", "x");
    withBom.form->Click("Command4");
    EXPECT_EQ(withBom.files.Content(kExtsPath), "\xEF\xBB\xBF.\xE2\x82\xAC\xE2\x98\x83\r\n.x\r\n");
}

// Adding and removing, with each step that changes the disk refused in turn and then the
// disk full from each step in turn: a save that meets the fault is reported, naming the
// file and the error, and leaves the old file whole, with no temporary file behind.
TEST(PersonalListDiskFaults, AFaultAtAnyStepIsReportedAndLeavesTheOldFileWhole) {
    const std::string old = ".one\r\n.two\r\n";
    for (const bool diskFull : {false, true}) {
        for (const bool adding : {true, false}) {
            int reported = 0;
            for (int step = 1;; ++step) {
                SCOPED_TRACE(std::string(adding ? "adding" : "removing") +
                             (diskFull ? ", disk full at step " : ", refused step ") +
                             std::to_string(step));
                fakes::FakeSystem sys;
                sys.InstallStandardPack();
                sys.files.AddFile(kExtsPath, old);
                sys.Start();
                diskFull ? sys.files.FillDiskAtStep(step) : sys.files.RefuseStep(step);
                sys.files.steps = 0;
                sys.form->SetText(adding ? "Text1" : "Text2", adding ? "new" : "one");
                sys.form->Click(adding ? "Command4" : "Command5");
                const auto content = sys.files.Content(kExtsPath);
                if (sys.ui.messages.empty()) {
                    EXPECT_EQ(content, adding ? old + ".new\r\n" : ".two\r\n");
                } else {
                    ++reported;
                    ASSERT_EQ(sys.ui.messages.size(), 1u);
                    EXPECT_NE(sys.ui.messages[0].find(kExtsPath), std::string::npos);
                    EXPECT_NE(sys.ui.messages[0].find(diskFull ? "error 112" : "error 5"),
                              std::string::npos);
                    EXPECT_EQ(content, old);
                }
                EXPECT_TRUE(sys.files.ListFiles("C:\\Pack\\Settings", "*.tmp").empty());
                if (sys.files.steps < step) {
                    break;
                }
            }
            // The temporary file and the replacement; a full disk stops only the first.
            EXPECT_EQ(reported, diskFull ? 1 : 2);
        }
    }
}

TEST_F(PersonalListTest, ALineStartingWithTheMarksBytesSurvivesTheRoundTrip) {
    // After the first line the bytes EF BB BF are text; once the empty first line is
    // dropped they would open the file and be read back as a byte-order mark.
    struct Case {
        const char* file;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"\r\n\xEF\xBB\xBF.avi\r\n", {"\xC3\xAF\xC2\xBB\xC2\xBF.avi"}},
        {"\r\xEF\xBB\xBF\r", {"\xC3\xAF\xC2\xBB\xC2\xBF"}},
    };
    for (const auto& c : cases) {
        fakes::FakeSystem run;
        run.InstallStandardPack();
        run.files.AddFile(kExtsPath, c.file);
        run.Start();
        run.form->SetText("Text2", "none");
        run.form->Click("Command5");  // nothing removed: the file is written back as read
        fakes::FakeSystem next;
        next.InstallStandardPack();
        next.files.AddFile(kExtsPath, *run.files.Content(kExtsPath));
        next.Start();
        std::vector<std::string> lines;
        for (const auto& entry : next.form->Entries("List3")) {
            lines.push_back(entry.text.substr(0, entry.text.rfind(" (")));
        }
        EXPECT_EQ(lines, c.lines) << c.file;
    }
}

}  // namespace
}  // namespace tzp::assoc_test
