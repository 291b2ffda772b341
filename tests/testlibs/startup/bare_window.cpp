// The floor of the start-up benchmark: the program's own window, made from the same
// control table by the same code, shown, and idle, without the load sequence (no
// language file, registry, libraries or lists).
#include <windows.h>
#include <commctrl.h>

#include "ui/form1_controls.h"
#include "ui/win32/native_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    auto form = tzp::ui::CreateForm1();
    tzp::ui::NativeWindow window(*form);
    if (!window.Create(instance)) {
        return 1;
    }
    window.Show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window.Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
