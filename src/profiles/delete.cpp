#include "lang/lang.h"
#include "lang/text_ids.h"
#include "profiles/messages.h"
#include "profiles/profile_files.h"
#include "profiles/profile_name.h"
#include "profiles/profiles.h"
#include "ui/control_names.h"

namespace tzp::profiles {

namespace {

// Removes what is there of the profile: the state file, which lists the profile, then
// the registry file. A missing file is already deleted. A delete stopped in between (or
// a registry file that cannot be removed) leaves a registry file no list shows, which the
// next delete or save of that name removes or replaces; never a listed profile without
// its settings. When the state file cannot be removed the registry file stays too, so the
// profile stays whole and listed. Returns the problems met, one a line with its path.
std::vector<std::string> RemoveProfileFiles(PackServices& pack, const std::string& name) {
    auto& files = pack.sys.files;
    std::vector<std::string> problems;
    for (const auto& path : {StateFilePath(pack, name), RegistryFilePath(pack, name)}) {
        if (!files.FileExists(path)) {
            continue;
        }
        const auto status = files.Remove(path);
        if (!status.ok()) {
            problems.push_back(path + ": " + pack.sys.errors.Describe(status.error));
            break;
        }
    }
    return problems;
}

}  // namespace

void DeleteProfile(App& app) {
    auto& ui = app.sys.ui;
    auto& files = app.sys.files;
    const std::string name = app.form.Text(ui::kProfileBox);
    if (name.empty()) {
        ui.ShowMessage(lang::LookupLangString(app, lang::text::kTypeProfileNameFirst));
        return;
    }
    if (!IsUsableProfileName(name)) {
        ui.ShowMessage(NameRefusedText(app));
        return;
    }
    if (ui.Ask(lang::LookupLangString(app, lang::text::kDeleteProfileQuestion)) !=
        platform::Answer::Yes) {
        return;
    }
    const std::string statePath = StateFilePath(app, name);
    if (!files.FileExists(statePath) && !files.FileExists(RegistryFilePath(app, name))) {
        ui.ShowMessage(NotFoundText(app, statePath));
    } else if (const auto problems = RemoveProfileFiles(app, name); !problems.empty()) {
        ui.ShowMessage(NotDeletedText(app, problems));
    }
    ui.DoEvents();
    RefreshProfileList(app);
    ui.DoEvents();
}

}  // namespace tzp::profiles
