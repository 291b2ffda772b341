#pragma once
#include "core/app.h"

namespace tzp::filters {

// The click behaviours of the filter check boxes. A click changes nothing on the
// system: it marks pending changes and forgets the profile name; the splitter group
// keeps its master ticked exactly while one of its members is.
void WireFilterBoxes(App& app);

}  // namespace tzp::filters
