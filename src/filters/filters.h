#pragma once
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::filters {

// Start-up step 8: version captions of the player and the filters; boxes of libraries
// without version information are disabled.
void SetVersionCaptions(App& app);
// A version text ("version 1.2.3.4", or "Erreur" for a missing library) in the
// language's words, as the captions show it.
std::string LocalisedVersionText(const App& app, const std::string& versionText);
// Start-up step 9: ticks every filter whose COM class is registered to the pack's copy.
void DetectRegistrations(App& app);
// Whether any COM class of the box's filter is registered to the pack's own copy of its
// library: the rule by which start-up ticks a box.
bool IsRegisteredToPack(App& app, std::string_view box);
// The filter boxes' behaviours and the configuration icons (the apply button is
// wired with the profiles, whose registry file it imports).
void WireFilters(App& app);

}  // namespace tzp::filters
