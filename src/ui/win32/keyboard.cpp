// The window's keyboard interface, used by every message pump of the thread.
#include "ui/win32/barrier.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

bool NativeWindow::TranslateKeyboard(MSG& message) {
    if (main_ == nullptr || (message.hwnd != main_ && !IsChild(main_, message.hwnd))) {
        return false;
    }
    // Every pump passes here, so the pointer's moves reach the tooltip from here too.
    tooltips_.Relay(message);
    const auto report = [this](const char* what) { ShowError(what); };
    if (Barrier(
            true, [&] { return TranslateOwnKeys(message); }, report)) {
        return true;
    }
    return IsDialogMessageW(main_, &message) != FALSE;
}

// Tab, Ctrl+Tab, Enter on a button and the keys of a context menu. True when the message
// was used.
bool NativeWindow::TranslateOwnKeys(const MSG& message) {
    if (TranslateMenuKeys(message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (GetKeyState(VK_CONTROL) < 0) {
            NextPage(!shift);
        } else {
            focus_.MoveFocus(!shift);
        }
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (NativeControl* owner = focus_.Owner(GetFocus());
            owner != nullptr && owner->stop && TraitsOf(*owner->control).pressable) {
            SendMessageW(owner->hwnd, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

void NativeWindow::NextPage(bool forward) {
    for (auto& [id, native] : natives_.All()) {
        const Control& strip = *native.control;
        if (strip.kind != ControlKind::TabStrip || strip.entries.empty()) {
            continue;
        }
        const int count = static_cast<int>(strip.entries.size());
        const int tab = forward ? strip.value % count + 1 : (strip.value + count - 2) % count + 1;
        try {
            form_.SelectTab(strip.name, tab);
        } catch (...) {
            SyncValue(native);
            throw;
        }
        SyncValue(native);
        return;
    }
}

}  // namespace tzp::ui
