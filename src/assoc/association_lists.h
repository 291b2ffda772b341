#pragma once
// The three lists of the associations tab: one entry per extension, naming the program
// the extension opens with.
#include "core/app.h"

namespace tzp::assoc {

// Appends the video entries to List1 and the audio entries to List2.
void AppendCatalogueEntries(App& app);
// Appends an entry to List3 for every extension of the personal list file.
void AppendPersonalEntries(App& app);
// Clears the three lists and fills them again; every tick is dropped.
void BuildAssociationLists(App& app);

}  // namespace tzp::assoc
