#pragma once
#include "core/app.h"

namespace tzp::filters {

// The configure icons beside the filters: each opens the filter's own configuration
// dialog (through Rundll32), a configuration program of the pack, or the player.
void WireLaunchers(App& app);

}  // namespace tzp::filters
