#include "filters/filters.h"

#include "filters/boxes.h"
#include "filters/launchers.h"

namespace tzp::filters {

void WireFilters(App& app) {
    WireFilterBoxes(app);
    WireLaunchers(app);
}

}  // namespace tzp::filters
