#pragma once
#include "core/app.h"

namespace tzp::profiles {

// The apply button, Command3: registers or unregisters every filter library as the
// boxes say, then imports the registry settings of the profile named in Combo1.
void WireApply(App& app);
void ApplyCurrentState(App& app);

}  // namespace tzp::profiles
