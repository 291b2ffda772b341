#pragma once
// Scripted answers for questions and file dialogs, and a record of everything the
// logic showed or did, in order.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/interaction.h"

namespace tzp::fakes {

class FakeInteraction : public platform::Interaction {
  public:
    void ShowMessage(std::string_view text) override;
    platform::Answer Ask(std::string_view text) override;
    std::optional<std::string> ChooseFileToOpen(const platform::OpenFileRequest& request) override;
    void SetBusyCursor(bool busy) override;
    void DoEvents() override;
    void EndProgram() override;
    void RunLater(uint32_t milliseconds, std::function<void()> action) override;
    void CancelRunLater() override;
    void ShowTable(const platform::Table& table) override;

    // Answers for the coming questions, in order; a question with none left gets
    // `unscriptedAnswer` and is counted.
    std::deque<platform::Answer> answers;
    platform::Answer unscriptedAnswer = platform::Answer::None;
    // Results for the coming open-file dialogs (nullopt: the user cancels).
    std::deque<std::optional<std::string>> chosenFiles;
    // Runs on every DoEvents, to let a test look at the window mid-action.
    std::function<void()> onDoEvents;

    // "message:<text>", "ask:<text>", "open:<title>|<filter>|<pattern>|<initial>",
    // "cursor:busy", "cursor:default", "end", "table:<title>".
    std::vector<std::string> log;
    std::vector<std::string> messages;    // texts of OK boxes
    std::vector<std::string> questions;   // texts of Yes/No boxes
    std::vector<platform::Table> tables;  // tables shown
    // What RunLater was given: run at once (as if the time had passed), or kept here for
    // the test to run, or not; CancelRunLater empties it.
    bool runLaterAtOnce = true;
    std::function<void()> later;
    uint32_t laterMs = 0;
    int unansweredQuestions = 0;
    int doEventsCount = 0;
    bool busy = false;
    bool ended = false;
};

}  // namespace tzp::fakes
