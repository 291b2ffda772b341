#pragma once
#include "core/app.h"

namespace tzp::filters {

// Start-up step 8: version captions of the player and the filters; boxes of libraries
// without version information are disabled.
void SetVersionCaptions(App& app);
// Start-up step 9: ticks every filter whose COM class is registered to the pack's copy.
void DetectRegistrations(App& app);
// Start-up, once the captions are set: the configuration icons and the player's icon get
// a name for screen readers (their caption) and a tooltip saying what they open.
void NameIcons(App& app);
// The filter boxes' behaviours and the configuration icons (the apply button is
// wired with the profiles, whose registry file it imports).
void WireFilters(App& app);

}  // namespace tzp::filters
