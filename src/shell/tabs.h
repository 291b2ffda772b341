#pragma once
#include "core/app.h"

namespace tzp::shell {

// Moves every page control to its place for the selected tab of TabStrip1, or to the
// park position.
void ShowSelectedTab(App& app);
void WireTabs(App& app);

}  // namespace tzp::shell
