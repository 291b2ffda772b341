#include "filters/launchers.h"

#include <array>

#include "lang/lang.h"
#include "lang/text_ids.h"
#include "ui/control_names.h"

namespace tzp::filters {

namespace {

using platform::WindowStyle;

enum class Target {
    Literal,    // a command line used as it is ("Rundll32.exe ffdshow.ax,configure")
    Program,    // a program below the installation directory, its path quoted
    CplApplet,  // a control-panel applet below the installation directory, opened by cmd
};

struct Launcher {
    std::string_view icon;
    std::string_view testedFile;  // below the installation directory; empty: no test
    Target kind;
    std::string_view target;
    WindowStyle style;
    bool marksChange;  // the icon counts as a change of the filter settings
};

// The names are spelled as the pack ships them: "Filtres\" for most, "filtres\" and
// "MPC\" for the two icons that test nothing. Rundll32 finds the libraries it names by
// the system's library search, so those carry no directory.
constexpr auto kLaunchers = std::to_array<Launcher>({
    {"Picture7", "Filtres\\ffdshow.ax", Target::Literal, "Rundll32.exe ffdshow.ax,configure",
     WindowStyle::Normal, false},
    {"Picture8", "Filtres\\ffdshow.ax", Target::Literal, "Rundll32.exe ffdshow.ax,configureAudio",
     WindowStyle::Normal, false},
    {"Picture9", "Filtres\\ffdshow.ax", Target::Literal, "Rundll32.exe ff_vfw.dll,configureVFW",
     WindowStyle::Normal, false},
    {"Picture3", "Filtres\\ffdshow.ax", Target::Literal, "Rundll32.exe ffdshow.ax,configureDXVA",
     WindowStyle::Normal, false},
    {"Picture26", "Filtres\\ffdshow.ax", Target::Program, "Filtres\\makeAVIS.exe",
     WindowStyle::Normal, false},
    {"Picture1", "Filtres\\ffdshow.ax", Target::Literal, "Rundll32.exe ffdshow.ax,configure",
     WindowStyle::Normal, false},
    {"Picture24", "Filtres\\hfe.exe", Target::Program, "Filtres\\hfe.exe", WindowStyle::Normal,
     false},
    {"Picture6", "Filtres\\splitter.ax", Target::Literal, "Rundll32.exe splitter.ax,Configure",
     WindowStyle::Normal, false},
    {"Picture2", "Filtres\\vp7dec_settings.cpl", Target::CplApplet, "Filtres\\vp7dec_settings.cpl",
     WindowStyle::Hidden, false},
    {"Picture5", "Filtres\\ac3config.exe", Target::Program, "Filtres\\ac3config.exe",
     WindowStyle::Normal, false},
    {"Picture4", "Filtres\\vsfilter.dll", Target::Literal, "Rundll32.exe vsfilter.dll,DirectVobSub",
     WindowStyle::Normal, false},
    {"Picture22", "", Target::Program, "filtres\\madHcCtrl.exe", WindowStyle::Normal, true},
    {"Picture18", "", Target::Program, "MPC\\mplayerc.exe", WindowStyle::Normal, true},
});

std::string CommandLine(const Launcher& launcher, std::string_view installDir) {
    const std::string path = std::string(installDir) + std::string(launcher.target);
    switch (launcher.kind) {
        case Target::Literal:
            return std::string(launcher.target);
        case Target::Program:
            // Quoted, so that a folder with a space cannot start another program.
            return "\"" + path + "\"";
        case Target::CplApplet:
            // cmd drops the first and last quote of a command that holds special
            // characters, as "Program Files (x86)" does; the outer pair is for it to drop.
            return "cmd /c \"\"" + path + "\"\"";
    }
    return {};
}

void ReportStartFailure(App& app, const std::string& commandLine, const std::string& reason) {
    std::string text = lang::LookupLangStringOr(app, lang::text::kProgramNotStarted);
    text += "\r\n" + commandLine;
    if (!reason.empty()) {
        text += "\r\n" + reason;
    }
    app.sys.ui.ShowMessage(text);
}

void Launch(App& app, const Launcher& launcher) {
    const std::string installDir = app.form.Text(ui::kFilterPath);
    if (!launcher.testedFile.empty() &&
        !app.sys.files.FileExists(installDir + std::string(launcher.testedFile))) {
        app.sys.ui.ShowMessage(lang::LookupLangString(app, lang::text::kFilterFileMissing));
        return;
    }
    if (launcher.marksChange) {
        app.form.SetValue(ui::kUnsavedChanges, 1);
    }
    const std::string commandLine = CommandLine(launcher, installDir);
    // Nobody waits for the program; only a start that fails outright is worth a word.
    const auto result = app.sys.processes.Start(commandLine, launcher.style);
    if (!result.status.ok()) {
        ReportStartFailure(app, commandLine, result.errorText);
    }
}

}  // namespace

void WireLaunchers(App& app) {
    for (const auto& launcher : kLaunchers) {
        app.form.OnClick(launcher.icon, [&app, &launcher] { Launch(app, launcher); });
    }
    app.form.OnClick(ui::kFfdshowHelpIcon, [&app] {
        app.sys.ui.ShowMessage(lang::LookupLangString(app, lang::text::kFfdshowHelp));
    });
}

}  // namespace tzp::filters
