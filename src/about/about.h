#pragma once
#include "core/app.h"

namespace tzp::about {

// The link labels, the pack and donation pages and the update check.
void WireAbout(App& app);

}  // namespace tzp::about
