#include "profiles/profiles.h"

#include "ui/control_names.h"

namespace tzp::profiles {

void WireProfiles(App& app) {
    app.form.OnClick(ui::kSaveProfileButton, [&app] { SaveProfile(app); });
    app.form.OnClick(ui::kProfileBox, [&app] { PreviewProfile(app); });
    app.form.OnClick(ui::kDeleteProfileButton, [&app] { DeleteProfile(app); });
}

}  // namespace tzp::profiles
