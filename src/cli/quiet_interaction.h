#pragma once
// The user interaction of the command line mode, where nobody is there to answer: a
// message goes to the standard error as a line, a question is written there too and
// gets no answer (which every action takes as No), no file dialog opens, and there are
// no window events to let run.
#include "platform/interaction.h"
#include "platform/standard_output.h"

namespace tzp::cli {

class QuietInteraction : public platform::Interaction {
  public:
    explicit QuietInteraction(platform::StandardOutput& output) : output_(output) {}

    void ShowMessage(std::string_view text) override;
    platform::Answer Ask(std::string_view text) override;
    std::optional<std::string> ChooseFileToOpen(const platform::OpenFileRequest& request) override;
    void SetBusyCursor(bool) override {}
    void DoEvents() override {}
    void EndProgram() override {}

  private:
    platform::StandardOutput& output_;
};

}  // namespace tzp::cli
