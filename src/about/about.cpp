#include "about/about.h"

#include <memory>

#include "about/update_check.h"
#include "about/web_pages.h"

namespace tzp::about {

void WireAbout(App& app) {
    WireWebPages(app);
    // While the updater runs the window's events keep running, and the wait panel does
    // not stop a key press on the focused button: a second check would delete the first
    // one's answer, so it is not started.
    auto checking = std::make_shared<bool>(false);
    app.form.OnClick("Command9", [&app, checking] {
        if (*checking) {
            return;
        }
        *checking = true;
        RunUpdateCheck(app);
        *checking = false;
    });
}

}  // namespace tzp::about
