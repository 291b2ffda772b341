// The model's state shown by the native controls: captions, texts, values, enabled
// states, list entries and tooltips.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/wide.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/list_mirror.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

using platform::Widen;

void NativeWindow::SyncAll() {
    for (auto& [id, native] : natives_.All()) {
        SyncCaption(native);
        SyncText(native);
        SyncValue(native);
        SyncEntries(native);
        SyncTooltip(native);
        EnableWindow(native.hwnd, native.control->enabled ? TRUE : FALSE);
    }
}

void NativeWindow::SyncCaption(NativeControl& native) {
    const Control& c = *native.control;
    const KindTraits& traits = TraitsOf(c);
    if (!traits.caption) {
        return;
    }
    const std::wstring caption = Widen(c.caption);
    if (WindowText(native.hwnd) != caption) {
        SetWindowTextW(native.hwnd, caption.c_str());
        if (traits.repaintOnCaption) {
            InvalidateRect(native.hwnd, nullptr, TRUE);
        }
    }
}

void NativeWindow::SyncText(NativeControl& native) {
    const Control& c = *native.control;
    if (!TraitsOf(c).text) {
        return;
    }
    const std::wstring text = Widen(c.text);
    if (WindowText(native.hwnd) != text) {
        SetWindowTextW(native.hwnd, text.c_str());
    }
}

void NativeWindow::SyncValue(NativeControl& native) {
    const Control& c = *native.control;
    if (c.kind == ControlKind::CheckBox) {
        const WPARAM state = c.value == 1   ? BST_CHECKED
                             : c.value == 2 ? BST_INDETERMINATE
                                            : BST_UNCHECKED;
        SendMessageW(native.hwnd, BM_SETCHECK, state, 0);
    } else if (c.kind == ControlKind::TabStrip) {
        if (TabCtrl_GetCurSel(native.hwnd) != c.value - 1) {
            TabCtrl_SetCurSel(native.hwnd, c.value - 1);
        }
    }
}

void NativeWindow::SyncEntries(NativeControl& native) {
    const Control& c = *native.control;
    switch (c.kind) {
        case ControlKind::TabStrip:
            MirrorTabs(native.hwnd, c.entries, native.shownEntries);
            break;
        case ControlKind::ComboBox:
            MirrorComboList(native.hwnd, c.entries, native.shownEntries);
            SyncText(native);
            break;
        case ControlKind::ListBox:
        case ControlKind::FileList:
            MirrorList(native.hwnd, c.entries, native.shownEntries, c.kind == ControlKind::ListBox);
            break;
        default:
            break;
    }
}

void NativeWindow::SyncTooltip(NativeControl& native) {
    tooltips_.Sync(native.hwnd, native.control->tooltip, native.tip);
}

void NativeWindow::DescribeAll() {
    if (!tooltips_.StartDescriptions()) {
        return;
    }
    for (auto& [id, native] : natives_.All()) {
        if (native.hwnd != nullptr && !native.control->tooltip.empty()) {
            SyncTooltip(native);
        }
    }
}

}  // namespace tzp::ui
