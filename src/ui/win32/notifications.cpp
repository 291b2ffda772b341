// The user's actions on the native controls, reported to the model. What the window
// itself does to a control (syncing_) is no action of the user's. A refused action (the
// window is busy) shows the model's state again.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/wide.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

using platform::Narrow;

void NativeWindow::OnCommand(int id, int code, HWND from) {
    NativeControl* native = natives_.ById(id);
    if (native == nullptr || syncing_ || native->hwnd != from) {
        return;
    }
    Control& c = *native->control;
    switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::Label:    // link labels are buttons; others notify a click
        case ControlKind::Picture:  // icons
            if (code == BN_CLICKED) {
                form_.Click(c.name);
            }
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                form_.UserToggle(c.name);
            }
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE) {
                OnEdit(*native, from);
            }
            break;
        case ControlKind::ComboBox:
            if (code == CBN_EDITCHANGE) {
                OnEdit(*native, from);
            } else if (code == CBN_SELCHANGE) {
                OnPick(*native, from);
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                OnTick(*native, from);
            }
            break;
        default:
            break;
    }
}

void NativeWindow::OnEdit(NativeControl& native, HWND from) {
    const SyncingScope syncing(syncing_);
    if (!form_.UserEdit(native.control->name, Narrow(WindowText(from)))) {
        SyncText(native);
    }
}

void NativeWindow::OnPick(NativeControl& native, HWND from) {
    const LRESULT index = SendMessageW(from, CB_GETCURSEL, 0, 0);
    if (index < 0 || form_.PickEntry(native.control->name, static_cast<size_t>(index))) {
        return;
    }
    const SyncingScope syncing(syncing_);
    SendMessageW(from, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SyncText(native);
}

void NativeWindow::OnTick(NativeControl& native, HWND from) {
    const SyncingScope syncing(syncing_);
    Control& c = *native.control;
    for (size_t i = 0; i < c.entries.size(); ++i) {
        const bool ticked = SendMessageW(from, LB_GETSEL, i, 0) > 0;
        if (ticked != c.entries[i].ticked && !form_.UserTick(c.name, i, ticked)) {
            SendMessageW(from, LB_SETSEL, c.entries[i].ticked ? TRUE : FALSE,
                         static_cast<LPARAM>(i));
        }
        native.shownEntries[i].ticked = c.entries[i].ticked;
    }
}

void NativeWindow::OnNotify(const NMHDR& header) {
    if (header.code == TTN_SHOW) {
        PostMessageW(main_, kTipShownMessage, header.idFrom, 0);
        return;
    }
    NativeControl* native = natives_.ById(static_cast<int>(header.idFrom));
    if (native == nullptr || native->control->kind != ControlKind::TabStrip ||
        header.code != TCN_SELCHANGE || syncing_) {
        return;
    }
    // A refused or failed change shows the model's tab again.
    const int tab = TabCtrl_GetCurSel(native->hwnd) + 1;
    try {
        form_.SelectTab(native->control->name, tab);
    } catch (...) {
        SyncValue(*native);
        throw;
    }
    SyncValue(*native);
}

}  // namespace tzp::ui
