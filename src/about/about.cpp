#include "about/about.h"

#include "about/update_check.h"
#include "about/web_pages.h"
#include "ui/control_names.h"

namespace tzp::about {

void WireAbout(App& app) {
    WireWebPages(app);
    // While the updater runs the window's events keep running; a second check would delete
    // the first one's answer. The window model refuses it while the wait panel shows.
    app.form.OnClick(ui::kUpdateCheckButton, [&app] { RunUpdateCheck(app); });
}

}  // namespace tzp::about
