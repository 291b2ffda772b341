#include "profiles/apply.h"

#include <algorithm>

#include "filters/registration.h"
#include "filters/registration_info.h"
#include "lang/lang.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"
#include "ui/form1_controls.h"

namespace tzp::profiles {

namespace {

bool IsListedProfile(const App& app, const std::string& name) {
    const auto& entries = app.form.Entries("Combo1");
    return std::any_of(entries.begin(), entries.end(),
                       [&](const ui::ListEntry& entry) { return entry.text == name; });
}

void ShowWaitPanel(App& app) {
    app.form.Move("wf", 120, 0);
    app.sys.ui.DoEvents();
}

void ParkWaitPanel(App& app) {
    app.form.Move("wf", ui::kPark, ui::kPark);
    app.sys.ui.DoEvents();
}

// Imports without asking anything.
std::string ImportCommandLine(const App& app, const std::string& profileName) {
    return "regedit.exe /s \"" + RegistryFilePath(app, profileName) + "\"";
}

// The import runs on its own; we only learn whether it could start. A profile whose
// settings cannot be imported is said so, instead of letting the closing message
// pass it off as applied.
void ImportProfileSettings(App& app, const std::string& profileName) {
    const std::string file = RegistryFilePath(app, profileName);
    if (!app.sys.files.FileExists(file)) {
        app.sys.ui.ShowMessage(
            lang::LookupLangStringOr(app, "062",
                                     "The settings of this profile could not be imported: its "
                                     "registry file is missing.",
                                     "Les r\xC3\xA9glages de ce profil n'ont pas pu \xC3\xAAtre "
                                     "import\xC3\xA9s : son fichier de registre est absent.") +
            "\r\n" + file);
        return;
    }
    // Minimised and not awaited: the editor imports while the closing message shows.
    const auto result = app.sys.processes.Start(ImportCommandLine(app, profileName),
                                                platform::WindowStyle::Minimized);
    if (!result.status.ok()) {
        std::string text = lang::LookupLangStringOr(
            app, "061",
            "The settings of this profile could not be imported: the registry editor could not "
            "be started.",
            "Les r\xC3\xA9glages de ce profil n'ont pas pu \xC3\xAAtre import\xC3\xA9s : "
            "l'\xC3\xA9"
            "diteur du registre n'a pas pu \xC3\xAAtre d\xC3\xA9marr\xC3\xA9.");
        if (!result.errorText.empty()) {
            text += "\r\n" + result.errorText;
        }
        app.sys.ui.ShowMessage(text);
    }
    app.sys.ui.DoEvents();
}

}  // namespace

void ApplyCurrentState(App& app) {
    auto& form = app.form;
    auto& ui = app.sys.ui;
    const std::string profile = form.Text("Combo1");
    if (!profile.empty() && !IsListedProfile(app, profile)) {
        ui.ShowMessage(lang::LookupLangString(app, "043"));
        return;
    }
    if (ui.Ask(lang::LookupLangString(app, "033")) != platform::Answer::Yes) {
        return;
    }
    ShowWaitPanel(app);
    form.SetValue("ischange", 0);
    filters::ApplyFilterStates(app);
    filters::RefreshRegistrationInfo(app);
    ui.DoEvents();
    // The profile's own filter settings go in after every library is (un)registered,
    // since registering a filter may write its default settings.
    if (!profile.empty()) {
        ImportProfileSettings(app, profile);
    }
    ParkWaitPanel(app);
    ui.ShowMessage(lang::LookupLangString(app, "034"));
}

void WireApply(App& app) {
    app.form.OnClick("Command3", [&app] { ApplyCurrentState(app); });
}

}  // namespace tzp::profiles
