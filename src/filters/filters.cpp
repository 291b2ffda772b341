#include "filters/filters.h"

namespace tzp::filters {

// Placeholders until the filter subsystem lands.
void SetVersionCaptions(App&) {}
void DetectRegistrations(App&) {}
void WireFilters(App&) {}

}  // namespace tzp::filters
