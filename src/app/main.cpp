// The control panel's entry point: wiring only.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "shell/startup.h"
#include "ui/form1_controls.h"
#include "ui/win32/interaction_win32.h"
#include "ui/win32/native_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // The tab strip and the visual styles need the common controls before any window.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    auto form = tzp::ui::CreateForm1();
    tzp::ui::NativeWindow window(*form);
    if (!window.Create(instance)) {
        return 1;
    }

    tzp::platform::Win32Registry registry;
    tzp::platform::Win32Files files;
    tzp::platform::Win32Versions versions;
    tzp::platform::Win32SelfRegistration selfRegistration;
    tzp::platform::Win32Processes processes;
    tzp::platform::Win32Shell shell;
    tzp::ui::Win32Interaction interaction(window);
    tzp::platform::Platform platform{registry,  files, versions,   selfRegistration,
                                     processes, shell, interaction};
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
