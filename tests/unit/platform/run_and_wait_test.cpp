#include "platform/run_and_wait.h"

#include <gtest/gtest.h>

#include "fakes/fake_interaction.h"
#include "fakes/fake_services.h"

namespace tzp {
namespace {

struct RunAndWaitTest : ::testing::Test {
    fakes::FakeProcesses processes;
    fakes::FakeInteraction ui;
    std::string errorText = "untouched";

    bool Run(const std::string& commandLine = "\"C:\\Pack\\dod.exe\" /X") {
        return platform::RunAndWait(processes, ui, commandLine, platform::WindowStyle::Normal,
                                    errorText);
    }
};

TEST_F(RunAndWaitTest, StartsTheCommandLineWithTheWindowStyleAsGiven) {
    ASSERT_TRUE(platform::RunAndWait(processes, ui, "\"C:\\A B\\p.exe\" one two",
                                     platform::WindowStyle::Minimized, errorText));
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\A B\\p.exe\" one two");
    EXPECT_EQ(processes.started[0].style, platform::WindowStyle::Minimized);
}

TEST_F(RunAndWaitTest, AProgramThatEndsAtOnceReturnsTrueAfterLettingEventsRunOnce) {
    EXPECT_TRUE(Run());
    EXPECT_EQ(ui.doEventsCount, 1);
    EXPECT_EQ(errorText, "untouched");
}

TEST_F(RunAndWaitTest, WindowEventsRunBetweenEveryWaitUntilTheProgramEnds) {
    processes.pollsUntilExit = 5;
    int eventsSeenWhileRunning = 0;
    ui.onDoEvents = [&] { ++eventsSeenWhileRunning; };
    EXPECT_TRUE(Run());
    // Five waits that found the program running, and the one that saw it end.
    EXPECT_EQ(eventsSeenWhileRunning, 6);
}

TEST_F(RunAndWaitTest, AProgramThatCannotStartGivesFalseWithThePlatformsWords) {
    processes.onStart = [](const std::string&) { return false; };
    EXPECT_FALSE(Run());
    EXPECT_EQ(errorText, "The system cannot find the file specified.");
    EXPECT_EQ(ui.doEventsCount, 0);
}

class SilentFailure : public platform::ProcessService {
  public:
    platform::StartResult Start(const std::string&, platform::WindowStyle) override {
        return {};  // no error, and no process either
    }
};

TEST_F(RunAndWaitTest, AStartThatGivesNoProcessIsAFailureWithAText) {
    SilentFailure silent;
    EXPECT_FALSE(
        platform::RunAndWait(silent, ui, "x.exe", platform::WindowStyle::Normal, errorText));
    EXPECT_EQ(errorText, "error");
}

}  // namespace
}  // namespace tzp
