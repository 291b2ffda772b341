#pragma once
// /apply NAME [/json]: the window's apply of a saved profile, without any question, that
// also says what it changed: each library's registration and the profile's settings,
// compared with what the registry held before the pass.
#include <string>

#include "cli/arguments.h"
#include "core/app.h"
#include "platform/standard_output.h"

namespace tzp::cli {

// On a started panel whose installation was found: 0 all done (changed or not), 1 a
// library or the import failed, 3 no such profile, 4 no profile folder.
ExitCode ApplyCommand(App& app, const std::string& name, bool json,
                      platform::StandardOutput& output);

}  // namespace tzp::cli
