#pragma once
// The update check: the pack's updater runs, leaves its answer in maj.txt, and the user
// is told whether a newer pack exists.
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::about {

// Where the wait panel goes while the check runs, and where it is parked afterwards
// (outside the window, like the park position of the other actions).
inline constexpr int kUpdatePanelShown = 0;
inline constexpr int kUpdatePanelParked = 16000;

// pack directory + "\dod.exe"
std::string UpdaterPath(const PackServices& pack);
// pack directory + "\maj.txt"
std::string AnswerFilePath(const PackServices& pack);

// The updater's command line: its path quoted, then " /TESSAVERSION=" and the pack's
// version text (string id "000") as it stands, unquoted, as the updater expects it.
std::string UpdaterCommandLine(const App& app);

// The answer in the content of maj.txt: its first non-empty line, or the empty text
// when it has none (an empty file, or only empty lines).
std::string AnswerOf(std::string_view content);

// Only the exact answer "1" means that a newer pack exists.
bool AnswerMeansNewerPack(std::string_view answer);

// What the check found out, as the text to show the user. Runs the updater and waits;
// window events keep running meanwhile.
std::string AskUpdater(App& app);

// The whole click on Command9: the wait panel, the updater, the message, the panel
// parked again and the answer file removed.
void RunUpdateCheck(App& app);

}  // namespace tzp::about
