#pragma once
// /check NAME [/json]: whether the PC matches a saved profile, changing nothing. The
// profile is read by the window's preview, the registrations by the detection's reads,
// and the registry file as the apply imports it, confined check first.
#include <string>

#include "cli/arguments.h"
#include "core/app.h"
#include "platform/standard_output.h"

namespace tzp::cli {

// On a started panel whose installation was found: 0 the PC matches, 1 it differs (one
// line per difference), 3 no such profile, 4 no profile folder, 5 the profile's files
// cannot be read or are refused.
ExitCode CheckCommand(App& app, const std::string& name, bool json,
                      platform::StandardOutput& output);

// The checks every command on a named profile makes first: a usable name, the profile
// folder, a listed profile (exactly, letter case included, as the window's apply
// requires). Done when the command may go on; the refusal is on the error output.
ExitCode CheckProfileName(App& app, const std::string& name, platform::StandardOutput& output);

}  // namespace tzp::cli
