#pragma once
// The command line mode: the window's start-up on a window model that is never shown,
// then one command, with its outcome as the exit code.
#include "cli/arguments.h"
#include "core/app.h"
#include "platform/standard_output.h"

namespace tzp::cli {

// The usage text, in the language's words.
std::string UsageText(const App& app);

// Runs the load sequence on `app` (whose interaction must answer no question and show
// no window), then the command. Messages go to `output`'s error, results to its output.
// An exception from anywhere in it ends the command with ExitCode::Fault, said on the
// error output: nothing escapes to the caller.
ExitCode RunCommand(App& app, const Invocation& invocation, platform::StandardOutput& output);

}  // namespace tzp::cli
