#pragma once
#include <string>

#include "shell/app.h"

namespace tzp::profiles {

// The apply button, Command3: registers or unregisters every filter library as the
// boxes say, then imports the registry settings of the profile named in Combo1.
void WireApply(App& app);
void ApplyCurrentState(App& app);

// The command line that imports a profile's registry file without questions.
std::string ImportCommandLine(const App& app, const std::string& profileName);

}  // namespace tzp::profiles
