#include "assoc/personal_commands.h"

#include <optional>

#include "assoc/entries.h"
#include "assoc/extension_check.h"
#include "assoc/messages.h"
#include "assoc/personal_file.h"
#include "assoc/read_association.h"
#include "assoc/registered_app.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "ui/control_names.h"

namespace tzp::assoc {

namespace {

// The first entry of List3 whose extension is `extension`, letter case respected.
std::optional<size_t> FindPersonalEntry(const App& app, const std::string& extension) {
    const auto& entries = app.form.Entries(ui::kPersonalList);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (ExtensionPart(entries[i].text) == extension) {
            return i;
        }
    }
    return std::nullopt;
}

void ShowLangMessage(App& app, std::string_view id) {
    app.sys.ui.ShowMessage(lang::LookupLangString(app, id));
}

// The list stays in the window when its file cannot be written; the user is told so.
void SavePersonalList(App& app) {
    const auto status = WritePersonalExtensions(app);
    if (!status.ok()) {
        app.sys.ui.ShowMessage(
            ListNotSavedMessage(app, PersonalListPath(app), app.sys.errors.Describe(status.error)));
    }
}

// Refuses, with its message, a typed text that must reach neither the file nor the
// registry. The box is emptied and nothing else changes.
bool RefuseUnusable(App& app, const std::string& typed) {
    std::string message;
    if (IsExeTyped(typed)) {
        message = lang::LookupMessageText(app, lang::kExeRefusedId, lang::text::kDonateCaption);
    } else {
        const std::string extension = NormaliseExtension(typed);
        if (!IsAcceptableExtension(extension)) {
            message = InvalidExtensionMessage(app, typed);
        } else if (IsProgramType(extension)) {
            message = ProgramTypeRefusedMessage(app, extension);
        } else {
            return false;
        }
    }
    app.sys.ui.ShowMessage(message);
    app.form.SetText(ui::kExtensionToAdd, "");
    return true;
}

}  // namespace

void AddPersonalExtension(App& app) {
    const std::string typed = app.form.Text(ui::kExtensionToAdd);
    if (typed.empty()) {
        ShowLangMessage(app, lang::text::kTypeExtensionFirst);
    } else if (RefuseUnusable(app, typed)) {
        return;
    } else if (const std::string extension = NormaliseExtension(typed);
               FindPersonalEntry(app, extension)) {
        ShowLangMessage(app, lang::text::kExtensionAlreadyListed);
    } else {
        app.form.AddEntry(ui::kPersonalList, MakeEntry(extension, ReadAssociation(app, extension)));
    }
    app.form.SetText(ui::kExtensionToAdd, "");
    app.sys.ui.DoEvents();
    SavePersonalList(app);
}

// The typed text is only compared here, never written anywhere, so it is not checked:
// a line that was put into the file by hand can be removed whatever it holds.
void RemovePersonalExtension(App& app) {
    const std::string typed = app.form.Text(ui::kExtensionToRemove);
    if (typed.empty()) {
        ShowLangMessage(app, lang::text::kTypeExtensionFirst);
    } else if (const auto index = FindPersonalEntry(app, NormaliseExtension(typed))) {
        const std::string extension =
            ExtensionPart(app.form.Entries(ui::kPersonalList)[*index].text);
        app.form.RemoveEntry(ui::kPersonalList, *index);
        DropFromRegisteredApplication(app, extension);
    } else {
        ShowLangMessage(app, lang::text::kExtensionNotListed);
    }
    app.form.SetText(ui::kExtensionToRemove, "");
    SavePersonalList(app);
}

}  // namespace tzp::assoc
