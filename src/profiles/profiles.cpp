#include "profiles/profiles.h"

namespace tzp::profiles {

void WireProfiles(App& app) {
    app.form.OnClick("Command2", [&app] { SaveProfile(app); });
    app.form.OnClick("Combo1", [&app] { PreviewProfile(app); });
    app.form.OnClick("Command1", [&app] { DeleteProfile(app); });
}

}  // namespace tzp::profiles
