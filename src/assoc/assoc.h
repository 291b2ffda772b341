#pragma once
#include "core/app.h"

namespace tzp::assoc {

// Start-up step 7: the video and audio lists with each extension's program.
void FillCatalogueLists(App& app);
// Start-up step 10: the personal list from Settings\exts.ini.
void FillPersonalList(App& app);
// The add, remove, choose-program and associate buttons.
void WireAssociations(App& app);

}  // namespace tzp::assoc
