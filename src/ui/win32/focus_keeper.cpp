#include "ui/win32/focus_keeper.h"

#include <algorithm>

#include "ui/form1_controls.h"
#include "ui/reading_order.h"
#include "ui/win32/control_kinds.h"

namespace tzp::ui {

namespace {

// The window whose focus the hook guards: one main window a thread.
thread_local FocusKeeper* focusGuarded = nullptr;

bool EnabledWithContainers(const Form& form, const Control& control) {
    for (const Control* c = &control;; c = &form.Get(c->parent)) {
        if (!c->enabled) {
            return false;
        }
        if (c->parent.empty()) {
            return true;
        }
    }
}

RECT RectIn(HWND window, HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

FocusKeeper::~FocusKeeper() {
    if (focusGuarded == this) {
        focusGuarded = nullptr;
    }
}

void FocusKeeper::Start() {
    focusGuarded = this;
    hook_.reset(SetWindowsHookExW(WH_CBT, &FocusKeeper::FocusHook, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK FocusKeeper::FocusHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS && focusGuarded != nullptr &&
        !focusGuarded->MayTakeFocus(reinterpret_cast<HWND>(wParam))) {
        return 1;  // refused
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool FocusKeeper::MayTakeFocus(HWND hwnd) {
    NativeControl* owner = hwnd == nullptr || hwnd == main_ ? nullptr : Owner(hwnd);
    if (owner == nullptr) {
        return true;  // the window itself, or another window of the program (a dialog)
    }
    if (form_.WaitPanelShown()) {
        HWND panel = natives_.Hwnd(kWaitPanel);
        return panel != nullptr && (hwnd == panel || IsChild(panel, hwnd));
    }
    return owner->stop;
}

void FocusKeeper::UpdateReachSoon() {
    // A tab switch moves a score of controls one by one: what is seen is worked out once,
    // after the last. Posted messages come before the user's input, so no key can reach
    // a control in between.
    if (!reachPending_) {
        reachPending_ = PostMessageW(main_, kUpdateReachMessage, 0, 0) != FALSE;
        if (!reachPending_) {
            UpdateReach();
        }
    }
}

void FocusKeeper::OnUpdateReachMessage() {
    if (reachPending_) {
        UpdateReach();
    }
}

void FocusKeeper::UpdateReach() {
    reachPending_ = false;
    // Only what the user sees is a native window that is shown, and only that can be a
    // keyboard stop; the model's positions stay as they are.
    for (auto& [id, native] : natives_.All()) {
        const Control& c = *native.control;
        const bool seen = form_.Seen(c.name);
        if (seen != native.shown) {
            ShowWindow(native.hwnd, seen ? SW_SHOWNA : SW_HIDE);
            native.shown = seen;
        }
        native.stop = seen && TraitsOf(c).focusable && EnabledWithContainers(form_, c);
        const LONG_PTR style = GetWindowLongPtrW(native.hwnd, GWL_STYLE);
        const LONG_PTR wanted =
            native.stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        if (wanted != style) {
            SetWindowLongPtrW(native.hwnd, GWL_STYLE, wanted);
        }
    }
    KeepFocusReachable();
}

void FocusKeeper::KeepFocusReachable() {
    if (form_.WaitPanelShown()) {
        return;  // the wait panel holds it
    }
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != main_ && !IsChild(main_, focus))) {
        return;
    }
    NativeControl* owner = Owner(focus);
    if (owner == nullptr || !owner->stop) {
        FocusDefault();
    }
}

void FocusKeeper::FocusDefault() {
    if (form_.WaitPanelShown()) {
        if (HWND panel = natives_.Hwnd(kWaitPanel); panel != nullptr) {
            SetFocus(panel);
        }
        return;
    }
    if (savedFocus_ != nullptr && IsWindow(savedFocus_)) {
        if (NativeControl* saved = Owner(savedFocus_); saved != nullptr && saved->stop) {
            SetFocus(savedFocus_);
            return;
        }
    }
    if (const auto stops = Stops(); !stops.empty()) {
        FocusStop(*stops.front());
    }
}

void FocusKeeper::OnDeactivate() {
    if (HWND focus = GetFocus(); focus != nullptr && IsChild(main_, focus)) {
        savedFocus_ = focus;
    }
}

void FocusKeeper::RememberForWait(HWND panel) {
    HWND focus = GetFocus();
    if (focus != nullptr && focus != panel && IsChild(main_, focus)) {
        focusBeforeWait_ = focus;
    }
}

void FocusKeeper::RestoreAfterWait() {
    if (focusBeforeWait_ != nullptr) {
        NativeControl* before = IsWindow(focusBeforeWait_) ? Owner(focusBeforeWait_) : nullptr;
        if (before != nullptr && before->stop) {
            SetFocus(focusBeforeWait_);
        }
        focusBeforeWait_ = nullptr;
    }
}

// The stops, and the boxes around them on the screen (frames, pictures, the tab strip's
// page), in reading order.
std::vector<NativeControl*> FocusKeeper::Stops() {
    std::vector<NativeControl*> natives;
    std::vector<ReadingItem> items;
    for (auto& [id, native] : natives_.All()) {
        const bool box = TraitsOf(*native.control).box;
        if (native.shown && (native.stop || box)) {
            const RECT rect = RectIn(main_, native.hwnd);
            natives.push_back(&native);
            items.push_back({rect.left, rect.top, rect.right, rect.bottom, box, native.stop});
        }
    }
    std::vector<NativeControl*> stops;
    for (const size_t i : ReadingOrder(items)) {
        stops.push_back(natives[i]);
    }
    return stops;
}

void FocusKeeper::FocusStop(NativeControl& stop) {
    SetFocus(stop.hwnd);
    // As the dialog manager does: a text reached by the keyboard is selected whole.
    if (stop.control->kind == ControlKind::TextBox) {
        SendMessageW(stop.hwnd, EM_SETSEL, 0, -1);
    } else if (stop.control->kind == ControlKind::ComboBox) {
        SendMessageW(stop.hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
}

void FocusKeeper::MoveFocus(bool forward) {
    const auto stops = Stops();
    if (stops.empty()) {
        return;
    }
    const size_t count = stops.size();
    const auto at = std::find(stops.begin(), stops.end(), Owner(GetFocus()));
    size_t next = forward ? 0 : count - 1;
    if (at != stops.end()) {
        const auto index = static_cast<size_t>(at - stops.begin());
        next = forward ? (index + 1) % count : (index + count - 1) % count;
    }
    FocusStop(*stops[next]);
}

}  // namespace tzp::ui
