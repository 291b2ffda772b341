#include "fakes/fake_interaction.h"

namespace tzp::fakes {

void FakeInteraction::ShowMessage(std::string_view text) {
    log.push_back("message:" + std::string(text));
    messages.emplace_back(text);
}

platform::Answer FakeInteraction::Ask(std::string_view text) {
    log.push_back("ask:" + std::string(text));
    questions.emplace_back(text);
    if (answers.empty()) {
        ++unansweredQuestions;
        return unscriptedAnswer;
    }
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeInteraction::ChooseFileToOpen(
    const platform::OpenFileRequest& request) {
    log.push_back("open:" + request.title + "|" + request.filterDescription + "|" +
                  request.filterPattern + "|" + request.initialName);
    if (chosenFiles.empty()) {
        return std::nullopt;
    }
    auto chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
}

void FakeInteraction::SetBusyCursor(bool isBusy) {
    busy = isBusy;
    log.push_back(isBusy ? "cursor:busy" : "cursor:default");
}

void FakeInteraction::DoEvents() {
    ++doEventsCount;
    if (onDoEvents) {
        onDoEvents();
    }
}

void FakeInteraction::RunLater(uint32_t milliseconds, std::function<void()> action) {
    laterMs = milliseconds;
    if (runLaterAtOnce) {
        action();
    } else {
        later = std::move(action);
    }
}

void FakeInteraction::CancelRunLater() {
    later = nullptr;
}

void FakeInteraction::ShowTable(const platform::Table& table) {
    log.push_back("table:" + table.title);
    tables.push_back(table);
}

void FakeInteraction::EndProgram() {
    ended = true;
    log.push_back("end");
}

}  // namespace tzp::fakes
