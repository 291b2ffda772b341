#include "lang/lang.h"
#include "lang/text_ids.h"
#include "profiles/messages.h"
#include "profiles/profile_name.h"
#include "profiles/profiles.h"
#include "profiles/save.h"
#include "ui/control_names.h"
#include "ui/form1_controls.h"
#include "ui/wait_panel.h"

namespace tzp::profiles {

SaveOutcome SaveProfileUnasked(App& app, const std::string& name) {
    SaveOutcome outcome;
    auto& form = app.form;
    auto& user = app.sys.ui;
    // The pack's installation owns the folder; we never create it.
    if (!app.sys.files.DirectoryExists(ProfileFolder(app))) {
        outcome.result = SaveResult::FolderMissing;
        return outcome;
    }

    {
        const ui::WaitPanel wait(form, 0, 0);
        user.DoEvents();
        outcome.write = WriteProfile(app, name);
        user.DoEvents();
    }

    if (!outcome.write.status.ok()) {
        outcome.result = SaveResult::NotWritten;
        return outcome;
    }
    RefreshProfileList(app);
    form.SetText(ui::kProfileBox, name);
    form.SetValue(ui::kUnsavedChanges, 0);
    outcome.result = SaveResult::Saved;
    return outcome;
}

// A second save asked for while one runs (the save lets window events run while it waits
// for the registry editor) would share the temporary export file with the first and lose
// its exports; the window model refuses it, as every command, while the wait panel shows.
void SaveProfile(App& app) {
    auto& form = app.form;
    auto& user = app.sys.ui;
    const std::string name = form.Text(ui::kProfileBox);
    if (name.empty()) {
        user.ShowMessage(lang::LookupLangString(app, lang::text::kTypeProfileNameFirst));
        return;
    }
    if (!IsUsableProfileName(name)) {
        user.ShowMessage(NameRefusedText(app));
        return;
    }
    // Only an exact match counts as the listed profile; a name differing in letter
    // case is asked about as a new one.
    const std::string_view question = IsListedProfile(form, name)
                                          ? lang::text::kReplaceProfileQuestion
                                          : lang::text::kSaveNewProfileQuestion;
    if (user.Ask(lang::LookupLangString(app, question)) != platform::Answer::Yes) {
        return;
    }
    const SaveOutcome outcome = SaveProfileUnasked(app, name);
    switch (outcome.result) {
        case SaveResult::FolderMissing:
            user.ShowMessage(NotFoundText(app, ProfileFolder(app)));
            return;
        case SaveResult::NotWritten:
            user.ShowMessage(NotSavedText(app, outcome.write.failedPath,
                                          app.sys.errors.Describe(outcome.write.status.error)));
            return;
        case SaveResult::Saved:
            break;
    }
    if (!outcome.write.leftOut.empty()) {
        user.ShowMessage(LeftOutText(app, outcome.write.leftOut));
    }
    user.ShowMessage(lang::LookupLangString(app, lang::text::kProfileSaved));
}

}  // namespace tzp::profiles
