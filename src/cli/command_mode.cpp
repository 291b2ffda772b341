#include "cli/command_mode.h"

#include <algorithm>
#include <exception>

#include "cli/apply_command.h"
#include "cli/check_command.h"
#include "cli/decoders_command.h"
#include "cli/export_command.h"
#include "cli/status.h"
#include "cli/texts.h"
#include "core/version.h"
#include "filters/catalogue.h"
#include "filters/registration.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/reg.h"
#include "platform/utf8.h"
#include "profiles/messages.h"
#include "profiles/profile_name.h"
#include "profiles/profiles.h"
#include "profiles/save.h"
#include "shell/startup.h"
#include "ui/control_names.h"

namespace tzp::cli {

namespace {

std::string UsageLine(std::string_view command, const std::string& help) {
    std::string line = "  tzpcp.exe " + std::string(command);
    line.resize(std::max<size_t>(line.size() + 1, 38), ' ');
    return line + help + "\r\n";
}

std::string ProblemText(const App& app, const Invocation& invocation) {
    switch (invocation.problem) {
        case UsageProblem::UnknownCommand:
            return Say(app, Text::UnknownCommand, invocation.argument);
        case UsageProblem::MissingName:
            return Say(app, Text::MissingName, invocation.argument);
        case UsageProblem::MissingFile:
            return Say(app, Text::MissingFile, invocation.argument);
        case UsageProblem::ExtraArgument:
            return Say(app, Text::ExtraArgument, invocation.argument);
        case UsageProblem::None:
            break;
    }
    return std::string();
}

// The installation directory as start-up read it; "Erreur\" when the registry has none.
bool InstallationFound(App& app) {
    const std::string directory = app.form.Text(ui::kFilterPath);
    return directory != std::string(platform::kErreur) + "\\" &&
           app.sys.files.DirectoryExists(directory.substr(0, directory.size() - 1));
}

ExitCode Save(App& app, const std::string& name, platform::StandardOutput& output) {
    if (!profiles::IsUsableProfileName(name)) {
        output.Err(AsLines(profiles::NameRefusedText(app)));
        return ExitCode::NoSuchProfile;
    }
    const auto outcome = profiles::SaveProfileUnasked(app, name);
    switch (outcome.result) {
        case profiles::SaveResult::Saved:
            break;
        case profiles::SaveResult::FolderMissing:
            output.Err(AsLines(profiles::NotFoundText(app, profiles::ProfileFolder(app))));
            return ExitCode::PackNotFound;
        case profiles::SaveResult::NotWritten:
            output.Err(AsLines(
                profiles::NotSavedText(app, outcome.write.failedPath,
                                       app.sys.errors.Describe(outcome.write.status.error))));
            return ExitCode::SomeFailed;
    }
    output.Out(AsLines(lang::LookupLangString(app, lang::text::kProfileSaved)));
    if (!outcome.write.leftOut.empty()) {
        // Saved, but not whole: a script must not take it for a complete profile.
        output.Err(AsLines(profiles::LeftOutText(app, outcome.write.leftOut)));
        return ExitCode::SomeFailed;
    }
    return ExitCode::Done;
}

ExitCode RunUnguarded(App& app, const Invocation& invocation, platform::StandardOutput& output) {
    shell::WireForm(app);
    shell::RunLoadSequence(app);

    switch (invocation.command) {
        case Command::Window:
        case Command::Usage:
            output.Out("Tessaly Zivozod Pack Control Panel " + std::string(ProgramVersion()) +
                       "\r\n" + UsageText(app));
            return ExitCode::Done;
        case Command::Wrong:
            output.Err(AsLines(ProblemText(app, invocation)) + UsageText(app));
            return ExitCode::WrongUsage;
        case Command::ExportAssociations:
            // Needs the registry alone, not the pack's installation.
            return ExportAssociationsCommand(app, invocation.name, output);
        default:
            break;
    }
    if (!InstallationFound(app)) {
        const std::string directory = app.form.Text(ui::kFilterPath);
        output.Err(AsLines(Say(app, Text::PackNotFound, directory)));
        return ExitCode::PackNotFound;
    }
    switch (invocation.command) {
        case Command::Status:
            output.Out(invocation.json ? StatusJson(app) : StatusText(app));
            return ExitCode::Done;
        case Command::Decoders:
            output.Out(invocation.json ? DecodersJson(app) : DecodersText(app));
            return ExitCode::Done;
        case Command::Save:
            return Save(app, invocation.name, output);
        case Command::Apply:
            return ApplyCommand(app, invocation.name, invocation.json, output);
        case Command::Check:
            return CheckCommand(app, invocation.name, invocation.json, output);
        default:
            return ExitCode::WrongUsage;
    }
}

// A fault of the program's own (an exception no handler expected) is said on the error
// output, in the language's words where they can still be had, and ends the command with
// a code of its own, so that a script never takes it for an outcome of the command.
ExitCode Faulted(const App& app, std::string_view what, platform::StandardOutput& output) {
    std::string text;
    try {
        text = Say(app, Text::Fault, what);
    } catch (...) {
        text = "The command stopped on a fault of the program: " + std::string(what);
    }
    output.Err(AsLines(text));
    return ExitCode::Fault;
}

}  // namespace

std::string UsageText(const App& app) {
    return Say(app, Text::Usage) + "\r\n" + UsageLine("", Say(app, Text::WindowHelp)) +
           UsageLine("/status [/json]", Say(app, Text::StatusHelp)) +
           UsageLine("/decoders [/json]", Say(app, Text::DecodersHelp)) +
           UsageLine("/apply NAME [/json]", Say(app, Text::ApplyHelp)) +
           UsageLine("/check NAME [/json]", Say(app, Text::CheckHelp)) +
           UsageLine("/save NAME", Say(app, Text::SaveHelp)) +
           UsageLine("/export-associations FILE", Say(app, Text::ExportHelp)) +
           UsageLine("/?", Say(app, Text::UsageHelp)) + AsLines(Say(app, Text::ExitCodes));
}

ExitCode RunCommand(App& app, const Invocation& invocation, platform::StandardOutput& output) {
    try {
        return RunUnguarded(app, invocation, output);
    } catch (const std::exception& fault) {
        return Faulted(app, platform::ValidUtf8(fault.what()), output);
    } catch (...) {
        return Faulted(app, "unknown exception", output);
    }
}

}  // namespace tzp::cli
