#include "shell/shutdown.h"

#include "lang/lang.h"
#include "lang/text_ids.h"
#include "ui/control_names.h"

namespace tzp::shell {

void WireShutdown(App& app) {
    app.form.OnClose([&app](bool& cancel) {
        if (app.form.Value(ui::kUnsavedChanges) != 1) {
            return;
        }
        switch (app.sys.ui.Ask(lang::LookupLangString(app, lang::text::kCloseUnappliedQuestion))) {
            case platform::Answer::Yes:
                // Unapplied changes are discarded; nothing is saved on the way out.
                app.sys.ui.EndProgram();
                break;
            case platform::Answer::No:
                cancel = true;
                break;
            case platform::Answer::None:
                // No answer could be had: the window closes.
                break;
        }
    });
}

}  // namespace tzp::shell
