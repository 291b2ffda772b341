#pragma once
#include "core/app.h"

namespace tzp::shell {

// Closing with unapplied filter changes asks "037"; No keeps the window.
void WireShutdown(App& app);

}  // namespace tzp::shell
