// The control panel's entry point: wiring only. Without arguments it is the window; with
// them it runs one command without any window and ends with the command's exit code.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_mode.h"
#include "cli/quiet_interaction.h"
#include "platform/win32/console_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "platform/win32/wide.h"
#include "shell/startup.h"
#include "ui/form.h"
#include "ui/form1_controls.h"
#include "ui/win32/interaction_win32.h"
#include "ui/win32/native_window.h"

namespace {

// The arguments after the program's own name, split as the C runtime splits them.
std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    if (arguments == nullptr) {
        return result;
    }
    for (int i = 1; i < count; ++i) {
        result.push_back(tzp::platform::Narrow(arguments[i]));
    }
    LocalFree(arguments);
    return result;
}

struct Win32Services {
    tzp::platform::Win32Registry registry;
    tzp::platform::Win32Files files;
    tzp::platform::Win32Versions versions;
    tzp::platform::Win32SelfRegistration selfRegistration;
    tzp::platform::Win32Processes processes;
    tzp::platform::Win32Shell shell;

    tzp::platform::Platform With(tzp::platform::Interaction& interaction) {
        return {registry, files, versions, selfRegistration, processes, shell, interaction};
    }
};

int RunCommandMode(const tzp::cli::Invocation& invocation) {
    tzp::platform::Win32StandardOutput output;
    tzp::cli::QuietInteraction interaction(output);
    Win32Services services;
    auto platform = services.With(interaction);
    auto form = tzp::ui::CreateForm1();
    tzp::App app{*form, platform, tzp::platform::ProgramFolder()};
    return static_cast<int>(tzp::cli::RunCommand(app, invocation, output));
}

int RunWindow(HINSTANCE instance, int showCommand) {
    // The tab strip and the visual styles need the common controls before any window.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    auto form = tzp::ui::CreateForm1();
    tzp::ui::NativeWindow window(*form);
    if (!window.Create(instance)) {
        return 1;
    }

    Win32Services services;
    tzp::ui::Win32Interaction interaction(window);
    auto platform = services.With(interaction);
    tzp::App app{*form, platform, tzp::platform::ProgramFolder()};

    tzp::shell::WireForm(app);
    tzp::shell::RunLoadSequence(app);
    window.Show(showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.TranslateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const auto arguments = Arguments();
    const auto invocation = tzp::cli::ParseArguments(arguments);
    if (invocation.command == tzp::cli::Command::Window) {
        return RunWindow(instance, showCommand);
    }
    return RunCommandMode(invocation);
}
