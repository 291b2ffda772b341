// The control panel as a whole: wiring only. Without arguments it is the window; with
// them it runs one command without any window and ends with the command's exit code.
#include "app/program.h"

#include <commctrl.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "app/host_main.h"
#include "cli/arguments.h"
#include "cli/command_mode.h"
#include "cli/quiet_interaction.h"
#include "core/step_marks.h"
#include "platform/win32/console_win32.h"
#include "platform/win32/library_search.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/registration_host_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/wide.h"
#include "shell/startup.h"
#include "ui/form.h"
#include "ui/form1_controls.h"
#include "ui/win32/interaction_win32.h"
#include "ui/win32/native_window.h"

namespace {

// The arguments after the program's own name, as the C runtime has split them. Not
// CommandLineToArgvW: the shell library it lives in is loaded only when an action needs it,
// since loading it costs a window's start-up much of its time.
std::vector<std::string> Arguments() {
    std::vector<std::string> result;
    for (int i = 1; i < __argc && __wargv != nullptr; ++i) {
        result.push_back(tzp::platform::Narrow(__wargv[i]));
    }
    return result;
}

struct ProgramServices {
    tzp::platform::Win32Services system;
    // The libraries run in a host process, never in this one.
    tzp::platform::Win32RegistrationHost host;
    tzp::platform::Win32SelfRegistration selfRegistration;

    tzp::platform::Platform With(tzp::platform::Interaction& interaction) {
        return system.With(selfRegistration, interaction, &host);
    }
};

int RunCommandMode(const tzp::cli::Invocation& invocation) {
    tzp::platform::Win32StandardOutput output;
    tzp::cli::QuietInteraction interaction(output);
    ProgramServices services;
    auto platform = services.With(interaction);
    auto form = tzp::ui::CreateForm1();
    tzp::App app{*form, platform, tzp::platform::ProgramFolder()};
    return static_cast<int>(tzp::cli::RunCommand(app, invocation, output));
}

int RunWindow(HINSTANCE instance, int showCommand) {
    // The tab strip and the visual styles need the common controls before any window.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    tzp::core::StepDone("common controls");

    auto form = tzp::ui::CreateForm1();
    tzp::ui::NativeWindow window(*form);
    if (!window.Create(instance)) {
        return 1;
    }
    tzp::core::StepDone("window and its controls");

    ProgramServices services;
    // The private copies an earlier window's imports left (the window does not wait for the
    // registry editor, and may have closed first).
    services.system.files.RemoveLeftPrivateCopies();
    tzp::ui::Win32Interaction interaction(window);
    auto platform = services.With(interaction);
    tzp::App app{*form, platform, tzp::platform::ProgramFolder()};

    tzp::shell::WireForm(app);
    tzp::core::StepDone("services and behaviours");
    tzp::shell::RunLoadSequence(app);
    window.Show(showCommand);
    tzp::core::StepDone("window shown");

    return tzp::platform::RunMessageLoop();
}

}  // namespace

namespace tzp::app {

int RunProgram(HINSTANCE instance, int showCommand) {
    // Before anything can load a library by name.
    tzp::platform::RestrictLibrarySearch();
    if (__argc == 3 && std::wcscmp(__wargv[1], tzp::platform::kRegistrationHostArgument) == 0) {
        return tzp::app::RunRegistrationHost(__wargv[2]);
    }
    tzp::platform::HoldOwnProgramFile();
    const auto arguments = Arguments();
    const auto invocation = tzp::cli::ParseArguments(arguments);
    if (invocation.command == tzp::cli::Command::Window) {
        return RunWindow(instance, showCommand);
    }
    return RunCommandMode(invocation);
}

}  // namespace tzp::app
