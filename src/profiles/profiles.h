#pragma once
// Settings profiles: a named snapshot of the filter boxes and of the filters' own
// registry settings, kept as two files in the pack's Sav folder.
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::profiles {

// The profile folder, pack directory + "\Sav\".
std::string ProfileFolder(const PackServices& pack);

// Re-reads the profile files into File1 and the names into Combo1's list, which
// empties Combo1's text; callers put a name back where they need one.
void RefreshProfileList(App& app);

// Whether the name is one of the profile box's entries: exactly, letter case included,
// as the profile was saved.
bool IsListedProfile(const ui::Form& form, std::string_view name);

// The value of a string id in the state file of the profile named in Combo1; empty
// when the file has no line with the id or cannot be read.
std::string ReadProfileValue(const App& app, std::string_view id);

// Save (Command2), preview (a pick in Combo1's list) and delete (Command1).
void SaveProfile(App& app);
void PreviewProfile(App& app);
void DeleteProfile(App& app);

// Wires the three actions above to their controls.
void WireProfiles(App& app);

}  // namespace tzp::profiles
