// What a control offers beyond its own use: a tooltip that the logic completes when it
// first shows, and a context menu, opened by the pointer's right button, Shift+F10 or the
// menu key.
#include <windows.h>

#include <windowsx.h>

#include "platform/win32/wide.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

namespace {

constexpr UINT_PTR kMenuItem = 1;

bool IsMenuKey(const MSG& message) {
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    return (down || up) &&
           (message.wParam == VK_APPS || (message.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0));
}

}  // namespace

void NativeWindow::OnTipShown(HWND control) {
    // The tooltip told of its showing (TTN_SHOW) while it measured and placed itself: a
    // text changed then would be drawn at the old size. The logic's addition comes after,
    // from the queue, and the tip is drawn again with it.
    const NativeControl* native = natives_.ByHwnd(control);
    if (native == nullptr) {
        return;
    }
    const std::string before = native->control->tooltip;
    form_.TipShown(native->control->name);
    if (native->control->tooltip != before) {
        tooltips_.Update();
    }
}

void NativeWindow::OnContextMenu(HWND from, LPARAM at) {
    if (const NativeControl* native = natives_.Owner(from, main_); native != nullptr) {
        OpenMenu(*native, at);
    }
}

// `at` is the pointer's place on the screen, or -1 from the keyboard: the menu then opens
// below the control. True when the control has a menu.
bool NativeWindow::OpenMenu(const NativeControl& native, LPARAM at) {
    const std::string name = native.control->name;
    if (form_.Busy() || !form_.HasMenu(name)) {
        return false;
    }
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        RECT rect{};
        GetWindowRect(native.hwnd, &rect);
        point = {rect.left, rect.bottom};
    }
    const Menu menu(CreatePopupMenu());
    const auto caption = form_.MenuCaption(name);
    if (!menu || !caption ||
        !AppendMenuW(menu.get(), MF_STRING, kMenuItem, platform::Widen(*caption).c_str())) {
        return true;
    }
    const BOOL chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       point.x, point.y, 0, main_, nullptr);
    if (chosen == static_cast<BOOL>(kMenuItem)) {
        form_.ChooseMenuItem(name);
    }
    return true;
}

// Shift+F10 and the menu key open the focused control's menu. Both their presses and
// releases stop here, so that the system does not open the menu a second time from them.
bool NativeWindow::TranslateMenuKeys(const MSG& message) {
    if (!IsMenuKey(message)) {
        return false;
    }
    const NativeControl* owner = focus_.Owner(GetFocus());
    if (owner == nullptr || !form_.HasMenu(owner->control->name)) {
        return false;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        OpenMenu(*owner, -1);
    }
    return true;
}

}  // namespace tzp::ui
