#include "about/update_check.h"

#include <gtest/gtest.h>

#include "fakes/fake_system.h"

namespace tzp {
namespace {

constexpr const char* kAnswerFile = "C:\\Pack\\maj.txt";

struct UpdateCheckTest : ::testing::Test {
    fakes::FakeSystem sys;
    std::vector<std::pair<int, int>> panelWhileRunning;
    bool staleFileSeenByUpdater = false;

    void SetUp() override {
        sys.InstallStandardPack();
        sys.Start();
        sys.form->SelectTab("TabStrip1", 3);
    }

    // The updater writes `answer` as maj.txt (nullopt: it writes nothing).
    void UpdaterAnswers(std::optional<std::string> answer) {
        sys.processes.onStart = [this, answer](const std::string&) {
            staleFileSeenByUpdater = sys.files.FileExists(kAnswerFile);
            if (answer) {
                sys.files.AddFile(kAnswerFile, *answer);
            }
            return true;
        };
    }

    void Check() {
        sys.ui.onDoEvents = [this] {
            panelWhileRunning.emplace_back(sys.form->Get("wf").left, sys.form->Get("wf").top);
        };
        sys.form->Click("Command9");
    }

    std::string OnlyMessage() const {
        EXPECT_EQ(sys.ui.messages.size(), 1u);
        return sys.ui.messages.empty() ? std::string() : sys.ui.messages[0];
    }
};

struct AnswerCase {
    const char* content;
    const char* message;
};

class AnswerFileTest : public UpdateCheckTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerFileTest, OnlyAFirstNonEmptyLineOfExactlyOneMeansANewerPack) {
    UpdaterAnswers(GetParam().content);
    Check();
    EXPECT_EQ(OnlyMessage(), GetParam().message);
    EXPECT_FALSE(sys.files.FileExists(kAnswerFile));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerFileTest,
    ::testing::Values(AnswerCase{"1\r\n", "en 048"}, AnswerCase{"1", "en 048"},
                      AnswerCase{"\r\n\r\n1\r\n0\r\n", "en 048"}, AnswerCase{"\r\r1\r", "en 048"},
                      AnswerCase{"1 \r\n", "en 047"}, AnswerCase{"01\r\n", "en 047"},
                      AnswerCase{"0\r\n1\r\n", "en 047"}, AnswerCase{"", "en 047"},
                      AnswerCase{"\r\n\r\n", "en 047"},
                      AnswerCase{"\xEF\xBB\xBF"
                                 "1\r\n",
                                 "en 048"}));

TEST_F(UpdateCheckTest, TheCommandLineQuotesTheUpdaterAndPassesTheVersionAsItStands) {
    sys.files.AddFile("C:\\My Pack\\Langs\\en.ini", "000=Tessaly Pack 5.2 beta\r\n");
    sys.app.packDir = "C:\\My Pack";
    UpdaterAnswers("0");
    Check();
    ASSERT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(sys.processes.started[0].commandLine,
              "\"C:\\My Pack\\dod.exe\" /TESSAVERSION=Tessaly Pack 5.2 beta");
    EXPECT_EQ(sys.processes.started[0].style, platform::WindowStyle::Normal);
}

TEST_F(UpdateCheckTest, TheWaitPanelCoversTheWindowWhileTheUpdaterRunsAndIsParkedAfter) {
    sys.processes.pollsUntilExit = 3;
    UpdaterAnswers("1");
    Check();
    ASSERT_GE(panelWhileRunning.size(), 4u);
    for (const auto& at : panelWhileRunning) {
        EXPECT_EQ(at, std::make_pair(0, 0));
    }
    EXPECT_EQ(sys.form->Get("wf").left, about::kUpdatePanelParked);
    EXPECT_EQ(sys.form->Get("wf").top, about::kUpdatePanelParked);
    EXPECT_EQ(OnlyMessage(), "en 048");
}

TEST_F(UpdateCheckTest, AStaleAnswerIsRemovedBeforeTheUpdaterRunsAndNeverPassesForItsAnswer) {
    sys.files.AddFile(kAnswerFile, "1\r\n");
    UpdaterAnswers(std::nullopt);
    Check();
    EXPECT_FALSE(staleFileSeenByUpdater);
    EXPECT_EQ(OnlyMessage(), "The update check failed: the updater gave no answer.");
}

TEST_F(UpdateCheckTest, AStaleAnswerThatCannotBeRemovedStopsTheCheckBeforeTheUpdater) {
    sys.files.AddFile(kAnswerFile, "1\r\n");
    sys.files.DenyWrites(kAnswerFile);
    UpdaterAnswers("0");
    Check();
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_NE(OnlyMessage().find("an earlier check could not be removed"), std::string::npos);
    EXPECT_NE(OnlyMessage().find(kAnswerFile), std::string::npos);
    EXPECT_EQ(sys.form->Get("wf").left, about::kUpdatePanelParked);
}

TEST_F(UpdateCheckTest, AnUpdaterThatCannotStartIsReportedWithThePlatformsWords) {
    sys.processes.onStart = [](const std::string&) { return false; };
    Check();
    const std::string message = OnlyMessage();
    EXPECT_EQ(message.rfind("The update check failed: the updater could not be started.", 0), 0u);
    EXPECT_NE(message.find("C:\\Pack\\dod.exe"), std::string::npos);
    EXPECT_NE(message.find("The system cannot find the file specified."), std::string::npos);
    EXPECT_EQ(sys.form->Get("wf").left, about::kUpdatePanelParked);
}

TEST_F(UpdateCheckTest, FailuresSpeakFrenchWhenTheLanguageIsFrenchAndTheFileLacksTheText) {
    sys.form->SetText("langg", "fr");
    UpdaterAnswers(std::nullopt);
    Check();
    EXPECT_EQ(OnlyMessage(),
              "La vérification des mises à jour a échoué : le programme de mise à jour n'a "
              "donné aucune réponse.");
}

TEST_F(UpdateCheckTest, FailuresUseTheLanguageFilesTextWhenItHasOne) {
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini",
                      fakes::MakeLanguageFile("en ") + "076=No answer from the updater\r\n");
    UpdaterAnswers(std::nullopt);
    Check();
    EXPECT_EQ(OnlyMessage(), "No answer from the updater");
}

TEST_F(UpdateCheckTest, TheAnswerIsGoneAfterTheCheckSoTheNextCheckAsksAnew) {
    UpdaterAnswers("1\r\n");
    Check();
    UpdaterAnswers(std::nullopt);
    Check();
    ASSERT_EQ(sys.ui.messages.size(), 2u);
    EXPECT_EQ(sys.ui.messages[0], "en 048");
    EXPECT_EQ(sys.ui.messages[1], "The update check failed: the updater gave no answer.");
}

TEST_F(UpdateCheckTest, APressOfTheButtonWhileTheUpdaterRunsStartsNoSecondCheck) {
    sys.processes.pollsUntilExit = 2;
    UpdaterAnswers("1");
    sys.ui.onDoEvents = [this] { sys.form->Click("Command9"); };
    sys.form->Click("Command9");
    EXPECT_EQ(sys.processes.started.size(), 1u);
    EXPECT_EQ(OnlyMessage(), "en 048");

    sys.ui.onDoEvents = nullptr;
    UpdaterAnswers("0");
    sys.form->Click("Command9");
    EXPECT_EQ(sys.processes.started.size(), 2u);
}

}  // namespace
}  // namespace tzp
