#include "cli/apply_command.h"

#include <algorithm>
#include <optional>

#include "cli/check_command.h"
#include "cli/status.h"
#include "cli/texts.h"
#include "filters/catalogue.h"
#include "filters/filter_check.h"
#include "filters/registration.h"
#include "filters/registration_in_host.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "profiles/apply.h"
#include "profiles/profiles.h"
#include "profiles/settings_check.h"
#include "ui/control_names.h"

namespace tzp::cli {

namespace {

// What one run did, with what changed beside each outcome.
struct ApplyReport {
    profiles::ApplyResult result;
    std::vector<bool> changed;             // per library, in the pass's order
    std::optional<bool> settingsDiffered;  // unknown when the file could not be compared
    bool AnyChange() const {
        const bool libraries = std::find(changed.begin(), changed.end(), true) != changed.end();
        // An import whose comparison failed may have changed anything.
        const bool settings = !result.import.failed() &&
                              result.import.kind != profiles::ImportKind::NotStarted &&
                              settingsDiffered.value_or(true);
        return libraries || settings;
    }
};

std::string_view OutcomeName(filters::OutcomeKind kind) {
    using filters::OutcomeKind;
    switch (kind) {
        case OutcomeKind::Done:
            return "done";
        case OutcomeKind::NothingRun:
            return "nothingRun";
        case OutcomeKind::FileMissing:
            return "fileMissing";
        case OutcomeKind::NotLoadable:
            return "notLoadable";
        case OutcomeKind::OtherBitness:
            return "otherBitness";
        case OutcomeKind::NoEntryPoint:
            return "noEntryPoint";
        case OutcomeKind::NotStarted:
            return "notStarted";
        case OutcomeKind::EntryPointFailed:
            return "entryPointFailed";
        case OutcomeKind::TimedOut:
            return "timedOut";
        case OutcomeKind::Crashed:
            return "crashed";
    }
    return "nothingRun";
}

std::string LibraryName(const filters::LibraryOutcome& outcome) {
    return outcome.box.empty() ? outcome.path.substr(outcome.path.rfind('\\') + 1)
                               : std::string(filters::Row(outcome.box).displayName);
}

std::string LibraryFile(const filters::LibraryOutcome& outcome) {
    return outcome.box.empty() ? outcome.path : std::string(filters::Row(outcome.box).library);
}

// "  FFDshow         filtres\ffdshow.ax            register    done        unchanged"
std::string OutcomeLine(const App& app, const filters::LibraryOutcome& outcome, bool changed) {
    const Text verb = outcome.mode.empty() ? Text::Register : Text::Unregister;
    return "  " + Padded(LibraryName(outcome), 15) + Padded(LibraryFile(outcome), 29) +
           Padded(Say(app, verb), 12) + Padded(filters::OutcomeText(app, outcome), 12) +
           Say(app, changed ? Text::Changed : Text::Unchanged) + "\r\n";
}

std::string ImportLine(const App& app, const ApplyReport& report) {
    const std::string failure = profiles::ImportFailureMessage(app, report.result.import);
    if (!failure.empty()) {
        return AsLines(failure);
    }
    if (!report.settingsDiffered) {
        return AsLines(Say(app, Text::ProfileImported));
    }
    return AsLines(
        Say(app, *report.settingsDiffered ? Text::SettingsChanged : Text::SettingsUnchanged));
}

std::string ReportText(const App& app, const ApplyReport& report) {
    std::string lines;
    for (size_t i = 0; i < report.result.libraries.size(); ++i) {
        lines += OutcomeLine(app, report.result.libraries[i], report.changed[i]);
    }
    lines += ImportLine(app, report);
    if (!report.result.AnyFailure()) {
        lines += AsLines(lang::LookupLangString(app, lang::text::kApplied));
        if (!report.AnyChange()) {
            lines += AsLines(Say(app, Text::NothingChanged));
        }
    }
    return lines;
}

std::string ReportJson(const App& app, const std::string& name, const ApplyReport& report) {
    std::string json = "{\r\n  \"profile\": " + JsonString(name) +
                       ",\r\n  \"changed\": " + (report.AnyChange() ? "true" : "false") +
                       ",\r\n  \"failed\": " + (report.result.AnyFailure() ? "true" : "false") +
                       ",\r\n  \"libraries\": [";
    const char* separator = "\r\n";
    for (size_t i = 0; i < report.result.libraries.size(); ++i) {
        const auto& outcome = report.result.libraries[i];
        json += separator;
        json += "    {\"box\": " + JsonString(outcome.box) +
                ", \"name\": " + JsonString(LibraryName(outcome)) +
                ", \"library\": " + JsonString(LibraryFile(outcome)) +
                ", \"action\": " + JsonString(outcome.mode.empty() ? "register" : "unregister") +
                ", \"outcome\": " + JsonString(OutcomeName(outcome.kind)) +
                ", \"text\": " + JsonString(filters::OutcomeText(app, outcome)) +
                ", \"failed\": " + (filters::IsFailure(outcome) ? "true" : "false") +
                ", \"changed\": " + (report.changed[i] ? "true" : "false") + "}";
        separator = ",\r\n";
    }
    const auto& import = report.result.import;
    const std::string failure = profiles::ImportFailureMessage(app, import);
    json += "\r\n  ],\r\n  \"settings\": {\"file\": " + JsonString(import.file) +
            ", \"failed\": " + (import.failed() ? "true" : "false") + ", \"changed\": " +
            (report.settingsDiffered ? (*report.settingsDiffered ? "true" : "false") : "null") +
            ", \"message\": " + (failure.empty() ? "null" : JsonString(failure)) + "}\r\n}\r\n";
    return json;
}

}  // namespace

ExitCode ApplyCommand(App& app, const std::string& name, bool json,
                      platform::StandardOutput& output) {
    if (const ExitCode refused = CheckProfileName(app, name, output); refused != ExitCode::Done) {
        return refused;
    }
    // The window's preview puts the profile's states into the boxes; when it cannot read
    // them it says so (on the error output here) and takes the name away.
    app.form.SetText(ui::kProfileBox, name);
    profiles::PreviewProfile(app);
    if (app.form.Text(ui::kProfileBox) != name) {
        return ExitCode::NoSuchProfile;
    }
    // What the registry holds before the pass, read once, to tell what the run changed.
    const auto before = filters::ReadRegistrations(app);
    ApplyReport report;
    if (const auto settings = profiles::ReadProfileSettings(app, name); settings.problem.empty()) {
        report.settingsDiffered =
            !profiles::CompareSettings(app.sys.registry, settings.wanted).empty();
    }
    report.result = profiles::RunApply(app, name, /*waitForImport=*/true);
    if (!report.result.hostProblem.empty()) {
        output.Err(AsLines(report.result.hostProblem));
        return ExitCode::SomeFailed;
    }
    for (const auto& outcome : report.result.libraries) {
        report.changed.push_back(!filters::SameRegistration(
            filters::RegistrationOf(before, outcome.box),
            filters::RegistrationOf(report.result.registrations, outcome.box)));
    }
    output.Out(json ? ReportJson(app, name, report) : ReportText(app, report));
    // Reported: no host stays behind with our rights, a library left running in one too.
    filters::EndRegistrationHosts(app);
    return report.result.AnyFailure() ? ExitCode::SomeFailed : ExitCode::Done;
}

}  // namespace tzp::cli
