#include "cli/quiet_interaction.h"

#include "cli/texts.h"

namespace tzp::cli {

void QuietInteraction::ShowMessage(std::string_view text) {
    output_.Err(AsLines(text));
}

platform::Answer QuietInteraction::Ask(std::string_view text) {
    output_.Err(AsLines(text));
    return platform::Answer::None;
}

std::optional<std::string> QuietInteraction::ChooseFileToOpen(const platform::OpenFileRequest&) {
    return std::nullopt;
}

}  // namespace tzp::cli
