#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "filters/catalogue.h"
#include "filters/registration_info.h"

namespace tzp::filters {

// A file of the filters' installation folder (the folder with its trailing backslash,
// as start-up read it), named by its path relative to the folder.
std::string InstalledPath(const App& app, std::string_view relative);
// Start-up step 8: version captions of the player and the filters; boxes of libraries
// without version information are disabled.
void SetVersionCaptions(App& app);
// The version of a row's library as its caption shows it; nullopt for a row without a
// version caption (the splitter members).
std::optional<std::string> ShownVersion(const App& app, const FilterRow& row);
// Start-up step 9: ticks every filter whose COM class is registered to the pack's copy,
// and gives each filter box a tooltip saying which copy is registered. Returns what it
// read, row by row in the detection's order.
std::vector<RowRegistration> DetectRegistrations(App& app);
// Start-up, once the captions are set: the configuration icons and the player's icon get
// a name for screen readers (their caption) and a tooltip saying what they open.
void NameIcons(App& app);
// A version text ("version 1.2.3.4", or "Erreur" for a missing library) in the
// language's words, as the captions show it.
std::string LocalisedVersionText(const App& app, const std::string& versionText);
// The filter boxes' behaviours and the configuration icons (the apply button is
// wired with the profiles, whose registry file it imports).
void WireFilters(App& app);

}  // namespace tzp::filters
