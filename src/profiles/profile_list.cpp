#include <algorithm>

#include "platform/text.h"
#include "profiles/profiles.h"
#include "ui/control_names.h"

namespace tzp::profiles {

std::string ProfileFolder(const PackServices& pack) {
    return pack.packDir + "\\Sav\\";
}

bool IsListedProfile(const ui::Form& form, std::string_view name) {
    const auto& entries = form.Entries(ui::kProfileBox);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const ui::ListEntry& entry) { return entry.text == name; });
}

void RefreshProfileList(App& app) {
    auto& form = app.form;
    // A missing folder simply lists nothing.
    const auto files = app.sys.files.ListFiles(ProfileFolder(app), "*.sav");
    form.ClearEntries(ui::kProfileFiles);
    for (const auto& file : files) {
        form.AddEntry(ui::kProfileFiles, file);
    }
    form.ClearEntries(ui::kProfileBox);
    for (const auto& entry : form.Entries(ui::kProfileFiles)) {
        const std::string& file = entry.text;
        // Windows matches "*.sav" against short names too, which lets "a.save" in;
        // only a real ".sav" file is a profile.
        if (file.size() > 4 && platform::AsciiLower(file.substr(file.size() - 4)) == ".sav") {
            form.AddEntry(ui::kProfileBox, file.substr(0, file.size() - 4));
        }
    }
}

}  // namespace tzp::profiles
