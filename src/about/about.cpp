#include "about/about.h"

#include "about/update_check.h"
#include "about/web_pages.h"

namespace tzp::about {

void WireAbout(App& app) {
    WireWebPages(app);
    app.form.OnClick("Command9", [&app] { RunUpdateCheck(app); });
}

}  // namespace tzp::about
