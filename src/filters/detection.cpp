#include <string>

#include "filters/catalogue.h"
#include "filters/filters.h"
#include "platform/reg.h"
#include "platform/text.h"

namespace tzp::filters {

namespace {

std::string InprocServerKey(std::string_view clsid) {
    // The trailing backslash names the key's default value.
    return "CLSID\\{" + std::string(clsid) + "}\\InprocServer32\\";
}

}  // namespace

bool IsRegisteredToPack(App& app, std::string_view box) {
    const FilterRow& row = Row(box);
    const std::string expected = app.form.Text("filterpath") + std::string(row.detectionLibrary);
    for (const auto clsid : row.clsids) {
        const std::string server = platform::ReadRegValue(
            app.sys.registry, platform::kRootClasses, InprocServerKey(clsid), platform::kErreur);
        // Only the pack's own copy counts; Windows treats paths without regard to
        // case, so the comparison does too. Another spelling of the same folder (a
        // short name, a doubled backslash) is another copy as far as we can tell.
        if (platform::EqualsNoCase(server, expected)) {
            return true;
        }
    }
    return false;
}

void DetectRegistrations(App& app) {
    for (const auto box : DetectionOrder()) {
        if (IsRegisteredToPack(app, box)) {
            // Ticking runs the box's behaviour, which keeps the splitter group whole.
            app.form.SetValue(box, 1);
        }
    }
}

}  // namespace tzp::filters
