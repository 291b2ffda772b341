#pragma once
#include <string>

#include "shell/app.h"

namespace tzp::profiles {

// The profile folder, pack directory + "\Sav\".
std::string ProfileFolder(const App& app);

// Re-reads the profile files into File1 and the names into Combo1's list, which
// empties Combo1's text; callers put a name back where they need one.
void RefreshProfileList(App& app);

// Save, preview, delete.
void WireProfiles(App& app);

}  // namespace tzp::profiles
