#include "filters/filters.h"

#include "filters/boxes.h"
#include "filters/launchers.h"
#include "ui/control_names.h"

namespace tzp::filters {

std::string InstalledPath(const App& app, std::string_view relative) {
    return app.form.Text(ui::kFilterPath) + std::string(relative);
}

void WireFilters(App& app) {
    WireFilterBoxes(app);
    WireLaunchers(app);
}

}  // namespace tzp::filters
