#include "filters/filters.h"
#include "filters/registration_info.h"

namespace tzp::filters {

std::vector<RowRegistration> DetectRegistrations(App& app) {
    auto registrations = ReadRegistrations(app);
    for (const auto& registration : registrations) {
        // Only the pack's own copy ticks a box, and one class of it is enough; Windows
        // treats paths without regard to case, so the comparison does too. Another
        // spelling of the same folder (a short name, a doubled backslash) is another copy
        // as far as we can tell. Ticking runs the box's behaviour, which keeps the
        // splitter group whole.
        if (registration.classesHere > 0) {
            app.form.SetValue(registration.box, 1);
        }
    }
    SetRegistrationTooltips(app, registrations);
    return registrations;
}

}  // namespace tzp::filters
