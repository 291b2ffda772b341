#include "profiles/profiles.h"

#include "ui/control_names.h"

namespace tzp::profiles {

void WireProfiles(App& app) {
    app.form.OnClick("Command2", [&app] { SaveProfile(app); });
    app.form.OnClick(ui::kProfileBox, [&app] { PreviewProfile(app); });
    app.form.OnClick("Command1", [&app] { DeleteProfile(app); });
}

}  // namespace tzp::profiles
