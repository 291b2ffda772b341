#include "profiles/profiles.h"

namespace tzp::profiles {

std::string ProfileFolder(const App& app) { return app.packDir + "\\Sav\\"; }

void RefreshProfileList(App& app) {
    auto& form = app.form;
    // A missing folder simply lists nothing.
    const auto files = app.sys.files.ListFiles(ProfileFolder(app), "*.sav");
    form.ClearEntries("File1");
    for (const auto& file : files) {
        form.AddEntry("File1", file);
    }
    form.ClearEntries("Combo1");
    for (const auto& entry : form.Entries("File1")) {
        // The name without its last four characters, the ".sav".
        form.AddEntry("Combo1", entry.text.substr(0, entry.text.size() - 4));
    }
}

}  // namespace tzp::profiles
