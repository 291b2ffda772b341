#include "assoc/associate_command.h"

#include "assoc/association_lists.h"
#include "assoc/messages.h"
#include "assoc/registered_app.h"
#include "assoc/shell_check.h"
#include "assoc/write_association.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/control_names.h"
#include "ui/form1_controls.h"
#include "ui/wait_panel.h"

namespace tzp::assoc {

namespace {

void ShowLangMessage(App& app, std::string_view id) {
    app.sys.ui.ShowMessage(lang::LookupLangString(app, id));
}

// Only a file that ends in ".exe" is taken: a name without the dot would be started
// by the system as that name with ".exe" added, which is another file.
bool IsProgramFile(std::string_view path) {
    return platform::AsciiLower(path).ends_with(".exe");
}

using platform::FileName;

std::string ListLines(const std::vector<NotAssociated>& failures) {
    std::string lines;
    for (const auto& failure : failures) {
        lines += failure.extension + ": " + failure.reason + "\r\n";
    }
    return lines;
}

void StartShellRefresh(PackServices& pack) {
    // The pack's program is not awaited and its outcome not looked at.
    (void)pack.sys.processes.Start("\"" + pack.packDir + "\\ZUV.exe\" /S",
                                   platform::WindowStyle::Minimized);
}

struct AssociationRun {
    std::vector<NotAssociated> failures;
    platform::Status registration = platform::Status::Ok();
    std::vector<OpensElsewhere> elsewhere;
};

// The writes behind the wait panel. The pack's player is registered as an application
// only when something was written: a run with nothing ticked changes nothing.
AssociationRun RunAssociation(App& app) {
    auto& form = app.form;
    auto& ui = app.sys.ui;
    AssociationRun run;
    const ui::WaitPanel wait(form, 0, 0);
    ui.DoEvents();
    std::vector<std::string> written;
    run.failures = AssociateTickedExtensions(app, &written);
    if (!written.empty()) {
        run.registration = KeepRegisteredApplication(app, form.Text(ui::kChosenPlayer));
    } else if (!run.failures.empty()) {
        // A refused extension may have had its class key written before the refusal.
        app.sys.shell.NotifyAssociationsChanged();
    }
    ui.DoEvents();
    BuildAssociationLists(app);
    ui.DoEvents();
    StartShellRefresh(app);
    ui.DoEvents();
    // The class keys are written; whether they win is the shell's to say.
    run.elsewhere = ExtensionsOpeningElsewhere(app, form.Text(ui::kChosenPlayer), written);
    return run;
}

void ReportAssociation(App& app, const AssociationRun& run) {
    auto& ui = app.sys.ui;
    if (!run.failures.empty()) {
        ui.ShowMessage(NotAssociatedMessage(app, ListLines(run.failures)));
    }
    if (!run.registration.ok()) {
        ui.ShowMessage(NotRegisteredMessage(app, app.sys.errors.Describe(run.registration.error)));
    }
    if (!run.elsewhere.empty()) {
        OfferDefaultProgramsSettings(app, run.elsewhere);
    } else if (run.failures.empty() && run.registration.ok()) {
        ShowLangMessage(app, lang::text::kAssociationsWritten);
    }
}

}  // namespace

void ChooseProgram(App& app) {
    platform::OpenFileRequest request;
    request.title = lang::LookupLangString(app, lang::text::kChooseProgramTitle);
    request.filterDescription = lang::LookupLangString(app, lang::text::kProgramFiles) + " (*.exe)";
    request.filterPattern = "*.exe";
    request.initialName = "*.exe";
    const auto chosen = app.sys.ui.ChooseFileToOpen(request);
    if (!chosen || !app.sys.files.FileExists(*chosen)) {
        return;
    }
    if (IsProgramFile(*chosen)) {
        app.form.SetText(ui::kChosenPlayer, *chosen);
        app.form.SetText(ui::kChosenPlayerName, FileName(*chosen));
    } else {
        ShowLangMessage(app, lang::text::kNotAProgram);
        app.form.SetText(ui::kChosenPlayer, "");
        app.form.SetText(ui::kChosenPlayerName, "");
    }
}

void AssociateWithChosenProgram(App& app) {
    auto& form = app.form;
    if (form.Text(ui::kChosenPlayerName).empty()) {
        ShowLangMessage(app, lang::text::kChooseProgramFirst);
    } else if (app.sys.ui.Ask(lang::LookupLangString(app, lang::text::kAssociateQuestion)) ==
               platform::Answer::Yes) {
        const AssociationRun run = RunAssociation(app);
        app.sys.ui.DoEvents();
        ReportAssociation(app, run);
    }
    form.SetText(ui::kChosenPlayerName, "");
    form.SetText(ui::kChosenPlayer, "");
}

}  // namespace tzp::assoc
