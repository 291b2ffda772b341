// After the writes, the shell is asked which program each written extension opens with.
#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using platform::Answer;

constexpr const char* kPlayer = R"(C:\Program Files\Test Player\tplayer.exe)";

struct ShellCheckTest : AssocTest {
    void SetUp() override {
        AssocTest::SetUp();
        sys.files.AddFile(kPlayer, "MZ");
        for (const char* ext : {".avi", ".mkv", ".mp4", ".ogm", ".flv", ".wav"}) {
            FileType(ext, std::string("Old") + ext, R"(C:\Old\old.exe "%1")");
        }
        sys.Start();
    }
    void Tick(const char* list, const std::string& ext) {
        const auto& entries = sys.form->Entries(list);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text.starts_with(ext + " (")) {
                sys.form->SetTicked(list, i, true);
            }
        }
    }
    void Associate(std::initializer_list<Answer> answers) {
        sys.ui.chosenFiles.push_back(kPlayer);
        sys.form->Click("Command7");
        sys.ui.answers = answers;
        sys.form->Click("Command6");
    }
};

TEST_F(ShellCheckTest, WhenTheShellStartsTheChosenProgramEverywhereAll020Says) {
    sys.shell.resolved[".avi"] = R"(C:\PROGRAM FILES\TEST PLAYER\TPLAYER.EXE)";
    sys.shell.resolved[".mkv"] = R"("C:\Program Files\Test Player\tplayer.exe")";
    Tick("List1", ".avi");
    Tick("List1", ".mkv");
    Associate({Answer::Yes});
    EXPECT_EQ(sys.shell.queried, (std::vector<std::string>{".avi", ".mkv"}));
    EXPECT_EQ(sys.ui.questions, std::vector<std::string>{"en 019"});
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 020"});
    EXPECT_EQ(sys.shell.settingsOpened, 0);
}

TEST_F(ShellCheckTest, ExactlyTheExtensionsOpeningElsewhereAreListedOnce) {
    sys.shell.resolved[".avi"] = R"(c:\program files\test player\tplayer.exe)";  // same
    sys.shell.resolved[".mp4"] = R"(C:\Other\other.exe)";  // ticked in two lists
    sys.shell.resolved[".flv"] = R"("C:\Users\me\Apps\viewer.exe")";
    // .ogm resolves to nothing: no user choice can be blamed for it.
    sys.registry.DenyWritesUnder("HKCR\\Old.wav");  // not written, so not asked
    for (const char* ext : {".avi", ".mp4", ".ogm", ".flv"}) {
        Tick("List1", ext);
    }
    Tick("List2", ".mp4");
    Tick("List2", ".wav");
    Associate({Answer::Yes, Answer::No});
    EXPECT_EQ(sys.shell.queried, (std::vector<std::string>{".flv", ".avi", ".ogm", ".mp4"}));
    ASSERT_EQ(sys.ui.messages.size(), 1u);  // the refused .wav, and no "020"
    EXPECT_NE(sys.ui.messages[0].find(".wav: error 5"), std::string::npos);
    ASSERT_EQ(sys.ui.questions.size(), 2u);
    EXPECT_EQ(sys.ui.questions[1],
              "Windows keeps the user's own choice for these file types, so they still open "
              "with another program:\r\n"
              ".flv: \"C:\\Users\\me\\Apps\\viewer.exe\"\r\n"
              ".mp4: C:\\Other\\other.exe\r\n"
              "\r\nOnly Windows' default apps settings can change that choice. Open them now?");
    EXPECT_EQ(sys.shell.settingsOpened, 0);
}

TEST_F(ShellCheckTest, YesOpensTheSettingsAndSaysWhenTheyCannotBeOpened) {
    sys.shell.resolved[".avi"] = R"(C:\Other\other.exe)";
    Tick("List1", ".avi");
    Associate({Answer::Yes, Answer::Yes});
    EXPECT_EQ(sys.shell.settingsOpened, 1);
    EXPECT_TRUE(sys.ui.messages.empty());

    sys.shell.settingsResult = platform::Status::Fail(platform::kErrorFileNotFound);
    Tick("List1", ".avi");
    Associate({Answer::Yes, Answer::Yes});
    EXPECT_EQ(sys.shell.settingsOpened, 2);
    EXPECT_EQ(sys.ui.messages,
              std::vector<std::string>{"Windows' default apps settings could not be opened."
                                       "\r\nerror 2"});
}

}  // namespace
}  // namespace tzp::assoc_test
