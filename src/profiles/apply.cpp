#include "profiles/apply.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "filters/registration.h"
#include "filters/registration_in_host.h"
#include "filters/registration_info.h"
#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/run_and_wait.h"
#include "platform/text.h"
#include "profiles/import_check.h"
#include "profiles/messages.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"
#include "profiles/settings_check.h"
#include "ui/control_names.h"
#include "ui/form1_controls.h"
#include "ui/wait_panel.h"

namespace tzp::profiles {

namespace {

// How long a pass runs before its wait panel shows: about what people notice as a wait.
constexpr uint32_t kWaitPanelDelayMs = 250;

// Imports without asking anything.
std::string ImportCommandLine(const std::string& registryFile) {
    return "regedit.exe /s \"" + registryFile + "\"";
}

// The profile's registry file, copied where only the system, administrators and this
// account can write, held open against any change, and checked there: the editor imports
// with administrator rights whatever the file it is given holds, so it is given the very
// bytes that were checked, which nobody can change since. A file that reaches outside the
// filters' settings is not handed to it at all. Returns the held copy, or none with
// `import` saying why not.
std::unique_ptr<platform::PrivateCopy> CheckedPrivateCopy(App& app, ImportResult& import,
                                                          std::string& checked) {
    auto& files = app.sys.files;
    const auto bytes = files.ReadAll(import.file);
    auto written = bytes ? files.WritePrivateCopy(*bytes) : platform::PrivateCopyResult{};
    if (!bytes || !written.copy) {
        import.kind = ImportKind::Refused;
        import.reason = NotFoundText(app, import.file);
        if (bytes) {
            // The copy could not be written (no temporary folder, a full disk).
            import.reason += "\r\n" + app.sys.errors.Describe(written.status.error);
        }
        return nullptr;
    }
    const auto copied = written.copy->Read();
    const auto refused = copied ? FindRefusedSection(*copied) : std::optional<std::string>("");
    if (!copied || refused) {
        import.kind = ImportKind::Refused;
        import.reason =
            copied ? ImportRefusedText(app, import.file, *refused) : NotFoundText(app, import.file);
        return nullptr;
    }
    checked = *copied;
    return std::move(written.copy);
}

// The registry editor ends with 0 whatever became of the import: under Wine for a file
// it cannot find, one that is no registry file, a line it cannot read and a root it does
// not know alike, and Windows documents no other code for it. So an import it ended
// without an error is judged by what arrived: the settings of the checked bytes, compared
// with the registry, each one that is not as the file sets it named.
void JudgeByWhatArrived(PackServices& pack, const std::string& checked, ImportResult& import) {
    const auto wanted = ReadWantedSettings(checked);
    if (!wanted) {
        return;
    }
    for (const auto& missing : CompareSettings(pack.sys.registry, *wanted)) {
        import.kind = ImportKind::Incomplete;
        const auto& setting = missing.wanted;
        import.reason += "\r\n" + setting.key;
        if (!setting.wholeKey) {
            import.reason += "  " + (setting.name.empty() ? std::string("@") : setting.name);
        }
    }
}

// The window does not wait: the editor imports while the closing message shows, and the
// copy is held until the editor ends (or goes at the next start). The command line
// waits, and lets pending events run meanwhile, so the exit code counts.
ImportResult ImportProfileSettings(App& app, const std::string& profileName, bool wait) {
    ImportResult import;
    import.file = RegistryFilePath(app, profileName);
    if (!app.sys.files.FileExists(import.file)) {
        import.kind = ImportKind::FileMissing;
        return import;
    }
    std::string checked;
    auto copy = CheckedPrivateCopy(app, import, checked);
    if (!copy) {
        return import;
    }
    auto started =
        app.sys.processes.Start(ImportCommandLine(copy->Path()), platform::WindowStyle::Minimized);
    if (!started.status.ok() || !started.process) {
        import.kind = ImportKind::EditorNotStarted;
        import.reason = started.errorText;
        return import;
    }
    if (!wait) {
        import.kind = ImportKind::Started;
        started.process->KeepUntilExit(std::move(copy));
        app.sys.ui.DoEvents();
        return import;
    }
    while (!started.process->WaitForExit(platform::kRunAndWaitSliceMs)) {
        app.sys.ui.DoEvents();
    }
    copy.reset();
    const auto exitCode = started.process->ExitCode();
    import.kind = exitCode.value_or(0) == 0 ? ImportKind::Done : ImportKind::Failed;
    import.exitCode = exitCode.value_or(0);
    if (import.kind == ImportKind::Done) {
        JudgeByWhatArrived(app, checked, import);
    }
    return import;
}

// The wait panel's label tells which library the pass is on, under its usual words. The
// panel itself shows only once the pass has run for a noticeable time: a pass of quick
// libraries is over before it could be read, and showing and parking it costs a repaint
// of the window each.
class PanelProgress {
  public:
    explicit PanelProgress(App& app)
        : app_(app),
          busy_(app.form),
          waitText_(app.form.Caption(ui::kWaitText)),
          pattern_(filters::ProgressPattern(app)) {
        app_.sys.ui.RunLater(kWaitPanelDelayMs, [this] { Show(); });
    }
    ~PanelProgress() {
        app_.sys.ui.CancelRunLater();
        app_.form.SetCaption(ui::kWaitText, waitText_);
        // The panel goes without a repaint of its own: the message that follows shows at
        // once, and the window is repainted under it.
        panel_.reset();
    }
    PanelProgress(const PanelProgress&) = delete;
    PanelProgress& operator=(const PanelProgress&) = delete;

    void operator()(size_t position, size_t total, const std::string& path) {
        app_.form.SetCaption(
            ui::kWaitText,
            waitText_ + "\r\n" + filters::ProgressText(pattern_, position, total, path));
        if (panel_) {
            // Painted before the library runs, whatever it then does.
            app_.sys.ui.DoEvents();
        }
    }

  private:
    // From the event pump, while the pass waits for a library: painted by that pump.
    void Show() { panel_ = std::make_unique<ui::WaitPanel>(app_.form, 120, 0); }

    App& app_;
    // The user's commands are refused from the start, the panel shown or not yet.
    ui::BusyHold busy_;
    std::string waitText_;
    std::string pattern_;
    // Not a std::optional: GCC 12's i686 optimiser warns falsely on one of this type.
    std::unique_ptr<ui::WaitPanel> panel_;
};

}  // namespace

bool ApplyResult::AnyFailure() const {
    return !hostProblem.empty() || import.failed() ||
           std::any_of(libraries.begin(), libraries.end(), filters::IsFailure);
}

ApplyResult RunApply(App& app, const std::string& profileName, bool waitForImport,
                     const filters::PassProgress& progress) {
    ApplyResult result;
    // Nothing is run, and the pending change stays, when the libraries cannot be run
    // apart from this process: half a pass would leave the filters half applied.
    if (auto problem = filters::StartRegistrationHost(app)) {
        result.hostProblem = std::move(*problem);
        return result;
    }
    app.form.SetValue(ui::kUnsavedChanges, 0);
    result.libraries = filters::ApplyFilterStates(app, progress);
    filters::FinishRegistrationHost(app);
    result.registrations = filters::RefreshRegistrationInfo(app);
    app.sys.ui.DoEvents();
    // The profile's own filter settings go in after every library is (un)registered,
    // since registering a filter may write its default settings.
    if (!profileName.empty()) {
        result.import = ImportProfileSettings(app, profileName, waitForImport);
    }
    return result;
}

std::string ImportFailureMessage(const App& app, const ImportResult& import) {
    std::string text;
    switch (import.kind) {
        case ImportKind::FileMissing:
            return lang::LookupLangStringOr(app, lang::text::kImportFileMissing) + "\r\n" +
                   import.file;
        case ImportKind::EditorNotStarted:
            text = lang::LookupLangStringOr(app, lang::text::kImportEditorNotStarted);
            return import.reason.empty() ? text : text + "\r\n" + import.reason;
        case ImportKind::Refused:
            return import.reason;
        case ImportKind::Failed:
            return lang::Fill(lang::LookupLangStringOr(app, lang::text::kImportEndedWithCode),
                              {std::to_string(import.exitCode)});
        case ImportKind::Incomplete:
            return lang::LookupLangStringOr(app, lang::text::kImportLeftSettings) + import.reason;
        default:
            return {};
    }
}

namespace {

// The question, the pass and its report, the host already starting.
void AskApplyAndReport(App& app, const std::string& profile) {
    auto& ui = app.sys.ui;
    if (ui.Ask(lang::LookupLangString(app, lang::text::kApplyQuestion)) != platform::Answer::Yes) {
        filters::FinishRegistrationHost(app);
        return;
    }
    ApplyResult result;
    {
        PanelProgress progress(app);
        result = RunApply(app, profile, false, std::ref(progress));
    }
    if (!result.hostProblem.empty()) {
        ui.ShowMessage(result.hostProblem);
        return;
    }
    const std::string report = filters::FailureReport(app, result.libraries);
    if (!report.empty()) {
        filters::ShowDetectedStatesOfFailures(app, result.libraries, result.registrations);
        ui.ShowMessage(report);
    }
    const std::string importMessage = ImportFailureMessage(app, result.import);
    if (!importMessage.empty()) {
        ui.ShowMessage(importMessage);
    }
    ui.ShowMessage(lang::LookupLangString(app, lang::text::kApplied));
}

}  // namespace

void ApplyCurrentState(App& app) {
    const std::string profile = app.form.Text(ui::kProfileBox);
    if (!profile.empty() && !IsListedProfile(app.form, profile)) {
        app.sys.ui.ShowMessage(lang::LookupLangString(app, lang::text::kNoSuchProfile));
        return;
    }
    // The host starts while the question is read, so the pass can begin on the Yes; one
    // that cannot start is told after the Yes, by the pass.
    (void)filters::StartRegistrationHost(app);
    AskApplyAndReport(app, profile);
    // The pass is over once it has been reported: a library still running past its limit
    // has had until then, and its host ends now rather than stay behind with our rights.
    filters::EndRegistrationHosts(app);
}

void WireApply(App& app) {
    app.form.OnClick(ui::kApplyButton, [&app] { ApplyCurrentState(app); });
}

}  // namespace tzp::profiles
