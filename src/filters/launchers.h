#pragma once
#include <string>
#include <string_view>

#include "shell/app.h"

namespace tzp::filters {

// The configure icons beside the filters: each opens the filter's own configuration
// dialog (through Rundll32), a configuration program of the pack, or the player.
void WireLaunchers(App& app);

// The command line an icon starts, for an installation directory (with its trailing
// backslash); empty for an icon that starts nothing.
std::string LauncherCommandLine(std::string_view icon, std::string_view installDir);

}  // namespace tzp::filters
