#include "platform/text.h"
#include "profiles/profiles.h"

namespace tzp::profiles {

std::string ProfileFolder(const App& app) {
    return app.packDir + "\\Sav\\";
}

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
        const std::string& file = entry.text;
        // Windows matches "*.sav" against short names too, which lets "a.save" in;
        // only a real ".sav" file is a profile.
        if (file.size() > 4 && platform::AsciiLower(file.substr(file.size() - 4)) == ".sav") {
            form.AddEntry("Combo1", file.substr(0, file.size() - 4));
        }
    }
}

}  // namespace tzp::profiles
