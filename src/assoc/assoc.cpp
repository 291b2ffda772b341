#include "assoc/assoc.h"

namespace tzp::assoc {

// Placeholders until the association subsystem lands.
void FillCatalogueLists(App&) {}
void FillPersonalList(App&) {}
void WireAssociations(App&) {}

}  // namespace tzp::assoc
