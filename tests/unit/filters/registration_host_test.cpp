#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "filter_pack.h"
#include "filters/host_loop.h"
#include "filters/host_protocol.h"
#include "filters/registration_in_host.h"
#include "profiles/apply.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

using platform::HostAnswer;

// Answers each request with the next scripted answer and records what it was asked.
class ScriptedHost : public platform::RegistrationHost {
  public:
    platform::Status Start() override {
        ++starts;
        return startError == 0 ? platform::Status::Ok() : platform::Status::Fail(startError);
    }
    HostAnswer Ask(const std::string& line, uint32_t milliseconds) override {
        asked.push_back(line);
        lastWait = milliseconds;
        HostAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Finish() override { ++finishes; }
    void EndHosts() override { endedAfterMessages.push_back(messagesShown()); }

    uint32_t startError = 0;
    std::deque<HostAnswer> answers;
    std::vector<std::string> asked;
    uint32_t lastWait = 0;
    int starts = 0;
    int finishes = 0;
    // How many messages had been shown each time the hosts were ended.
    std::function<size_t()> messagesShown = [] { return size_t{0}; };
    std::vector<size_t> endedAfterMessages;
};

TEST(RegistrationHostLines, RequestsAndOutcomesArriveAsTheyWereSent) {
    const filters::HostRequest request{"C:\\A\tB\\new\nline\\x.ax", "u", 2500};
    const auto decoded = filters::DecodeRequest(filters::EncodeRequest(request));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->path, request.path);
    EXPECT_EQ(decoded->mode, "u");
    EXPECT_EQ(decoded->waitMs, 2500u);
    EXPECT_EQ(filters::EncodeRequest(request).find('\n'), std::string::npos);

    filters::LibraryOutcome sent{"p",        "",
                                 {},         filters::OutcomeKind::EntryPointFailed,
                                 0x80070005, "Access denied.\r\nSee\tthere \\"};
    filters::LibraryOutcome got;
    ASSERT_TRUE(filters::DecodeOutcome(filters::EncodeOutcome(sent), got));
    EXPECT_EQ(got.kind, sent.kind);
    EXPECT_EQ(got.code, sent.code);
    EXPECT_EQ(got.reason, sent.reason);
    for (const char* broken : {"", "3\t0", "99\t0\t", "1\tx\t", "1\t0\tend\\", "1\t0\t\\q"}) {
        EXPECT_FALSE(filters::DecodeOutcome(broken, got)) << broken;
    }
    ASSERT_TRUE(filters::DecodeOutcome("1\t0\tcut \xE2\x82", got));
    EXPECT_EQ(got.reason, "cut \xEF\xBF\xBD");
    EXPECT_FALSE(filters::DecodeRequest("C:\\a.ax\t\tsoon"));
}

TEST(RegistrationHostAnswers, WhatTheHostDidIsTheLibrarysOutcome) {
    // Plain fields: GCC 12 warns falsely on an array of strings in its i686 optimiser.
    struct Case {
        HostAnswer::Kind answer;
        const char* line;
        uint32_t code;
        uint32_t systemError;
        filters::OutcomeKind kind;
        const char* text;
    };
    const Case cases[] = {
        {HostAnswer::Kind::Answered, "0\t0\t", 0, 0, filters::OutcomeKind::Done, "done"},
        {HostAnswer::Kind::Ended, "", 0xC0000005, 998, filters::OutcomeKind::Crashed,
         "the library crashed with the code 0xC0000005: error 998"},
        {HostAnswer::Kind::Ended, "", 7, 0, filters::OutcomeKind::Crashed,
         "the library crashed with the code 0x00000007"},
        {HostAnswer::Kind::Answered, "garbage", 0, 0, filters::OutcomeKind::Crashed,
         "the library crashed with the code 0x00000000"},
        {HostAnswer::Kind::Garbled, "", 0, 0, filters::OutcomeKind::Crashed,
         "the library crashed with the code 0x00000000"},
        {HostAnswer::Kind::Silent, "", 0, 0, filters::OutcomeKind::TimedOut,
         "the library was still working after 10 seconds; it was left to finish on its own"},
        {HostAnswer::Kind::NotSent, "", 5, 0, filters::OutcomeKind::NotStarted,
         "the library was not run: error 5"},
    };
    fakes::FakeSystem sys;
    for (const auto& c : cases) {
        ScriptedHost host;
        host.answers = {HostAnswer{c.answer, c.line, c.code, c.systemError}};
        const auto outcome = filters::RunInHost(sys.platform, host, "C:\\F\\x.ax", "", 1000);
        EXPECT_EQ(outcome.kind, c.kind) << c.text;
        EXPECT_EQ(filters::OutcomeText(sys.app, outcome), c.text);
        EXPECT_EQ(host.asked, std::vector<std::string>{"C:\\\\F\\\\x.ax\t\t1000"});
        EXPECT_GT(host.lastWait, 1000u) << "loading is not part of the limit";
        EXPECT_TRUE(sys.selfRegistration.log.empty()) << "nothing ran in this process";
    }
}

TEST(RegistrationHostServer, RunsEachRequestAsTheRunnerDoesUntilTheCallerStops) {
    fakes::FakeSystem sys;
    sys.selfRegistration.Add("C:\\F\\good.ax");
    sys.selfRegistration.Add("C:\\F\\slow.ax", {.hangs = true});
    std::deque<std::string> requests = {"C:\\\\F\\\\good.ax\t\t1000", "C:\\\\F\\\\slow.ax\tu\t50",
                                        "C:\\\\F\\\\none.ax\t\t1000"};
    std::vector<std::string> answers;
    // The host's side needs no window model: the platform's services are all it is given.
    filters::ServeRegistrationRequests(
        sys.platform,
        [&]() -> std::optional<std::string> {
            if (requests.empty()) {
                return std::nullopt;
            }
            std::string line = requests.front();
            requests.pop_front();
            return line;
        },
        [&](const std::string& line) {
            answers.push_back(line);
            return answers.size() < 2;  // the caller is gone after the second answer
        });
    ASSERT_EQ(answers.size(), 2u);
    filters::LibraryOutcome outcome;
    ASSERT_TRUE(filters::DecodeOutcome(answers[0], outcome));
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::Done);
    ASSERT_TRUE(filters::DecodeOutcome(answers[1], outcome));
    EXPECT_EQ(outcome.kind, filters::OutcomeKind::TimedOut);
    EXPECT_EQ(requests.size(), 1u) << "nothing is read once an answer cannot be written";
    EXPECT_NE(
        std::find(sys.selfRegistration.log.begin(), sys.selfRegistration.log.end(), "wait:50"),
        sys.selfRegistration.log.end());
}

struct HostApplyTest : ::testing::Test {
    fakes::FakeSystem sys;
    ScriptedHost host;
    void SetUp() override {
        sys.InstallStandardPack();
        testing::AddEveryLibrary(sys);
        sys.Start();
        sys.platform.host = &host;
        host.messagesShown = [this] { return sys.ui.messages.size(); };
    }
};

TEST_F(HostApplyTest, AHostThatCannotStartIsReportedOnceAndNothingRuns) {
    host.startError = 2;
    sys.form->UserToggle("Check6");
    sys.ui.answers = {platform::Answer::Yes};
    sys.form->Click("Command3");
    ASSERT_EQ(sys.ui.messages.size(), 1u);
    EXPECT_EQ(sys.ui.messages[0].rfind("The filter settings could not be applied", 0), 0u)
        << sys.ui.messages[0];
    EXPECT_NE(sys.ui.messages[0].find("error 2"), std::string::npos);
    EXPECT_TRUE(host.asked.empty());
    EXPECT_TRUE(sys.selfRegistration.log.empty());
    EXPECT_EQ(sys.form->Value("ischange"), 1) << "the change is still to be applied";
    EXPECT_EQ(sys.form->Get("wf").left, ui::kPark);
}

TEST_F(HostApplyTest, APassGoesThroughOneHostAndACrashIsReportedWithTheOthersDone) {
    for (size_t i = 0; i < filters::PassLength(); ++i) {
        host.answers.push_back({HostAnswer::Kind::Answered, "0\t0\t", 0, 0});
    }
    host.answers[2] = {HostAnswer::Kind::Ended, "", 0xC00000FD, 1001};
    sys.ui.answers = {platform::Answer::Yes};
    sys.form->Click("Command3");
    EXPECT_EQ(host.asked.size(), filters::PassLength());
    EXPECT_EQ(host.finishes, 1);
    EXPECT_EQ(host.endedAfterMessages, std::vector<size_t>{2})
        << "the hosts end once, after the report and the closing message";
    ASSERT_EQ(sys.ui.messages.size(), 2u);
    EXPECT_NE(sys.ui.messages[0].find(
                  "VSFilter.dll: the library crashed with the code 0xC00000FD: error 1001"),
              std::string::npos)
        << sys.ui.messages[0];
    EXPECT_EQ(sys.ui.messages[1], "en 034");
    EXPECT_TRUE(sys.selfRegistration.log.empty());
}

}  // namespace
}  // namespace tzp
