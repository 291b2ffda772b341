#include "ui/win32/native_window.h"

#include "core/step_marks.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/form1_controls.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/dpi.h"

namespace tzp::ui {

namespace {

constexpr wchar_t kMainClass[] = L"TessalyControlPanel";

}  // namespace

NativeWindow::NativeWindow(Form& form) : form_(form) {
    form_.SetObserver(this);
}

NativeWindow::~NativeWindow() {
    form_.SetObserver(nullptr);
    platform::SetKeyboardTranslator(nullptr);
}

int NativeWindow::Px(int twips) const {
    return TwipsToPixels(twips, dpi_);
}

void NativeWindow::RegisterClasses() {
    WNDCLASSEXW mainClass{};
    mainClass.cbSize = sizeof mainClass;
    mainClass.lpfnWndProc = &NativeWindow::MainProc;
    mainClass.hInstance = instance_;
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = kMainClass;
    mainClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    RegisterClassExW(&mainClass);

    WNDCLASSEXW containerClass{};
    containerClass.cbSize = sizeof containerClass;
    containerClass.lpfnWndProc = &NativeWindow::ContainerProc;
    containerClass.hInstance = instance_;
    containerClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    containerClass.lpszClassName = kContainerClass;
    RegisterClassExW(&containerClass);
}

bool NativeWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    RegisterClasses();
    faceBrush_ = Brush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    main_ =
        CreateWindowExW(0, kMainClass, platform::Widen(kFormTitle).c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
    if (main_ == nullptr) {
        return false;
    }
    focus_.SetWindow(main_);
    dpi_ = DpiOf(main_);
    fonts_ = Fonts(dpi_);
    SetWindowPos(main_, nullptr, 0, 0, Px(kFormWidth), Px(kFormHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    core::StepPartDone("main window and fonts");
    CreateControls();
    core::StepPartDone("child controls");
    tooltips_.Create(main_, instance_, Px(5000));
    core::StepPartDone("tooltip control");
    SyncAll();
    core::StepPartDone("model shown");
    focus_.UpdateReach();
    core::StepPartDone("keyboard stops");
    // Whatever moves the focus from now on, it never lands on a control the user cannot see.
    focus_.Start();
    platform::SetKeyboardTranslator(this);
    // The focus rectangle always shows, not only once the keyboard has been used.
    SendMessageW(main_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

void NativeWindow::Show(int showCommand) {
    ShowWindow(main_, showCommand);
    core::StepPartDone("ShowWindow");
    UpdateWindow(main_);
    core::StepPartDone("first paint");
}

void NativeWindow::CreateControls() {
    // Later rows of the table lie above earlier ones: the tab strip at the bottom, then the
    // pages' backgrounds, their frames and buttons, and the wait panel on top. A new child
    // window goes below its siblings, so the window's own rows are made last row first and
    // need no re-stacking; inside a container the first row lies on top, as made.
    const auto& controls = form_.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if ((*it)->parent.empty()) {
            CreateControl(**it);
        }
    }
    for (const auto& control : controls) {
        if (!control->parent.empty()) {
            CreateControl(*control);
        }
    }
}

void NativeWindow::CreateControl(Control& control) {
    const int id = *ControlId(control.name);
    HWND parent = control.parent.empty() ? main_ : natives_.Hwnd(control.parent);
    // What the user does not see is made hidden, and only what is seen is a keyboard stop
    // (every control is enabled as made): the first reckoning of the stops then changes
    // nothing, instead of hiding half the window control by control.
    const bool seen = form_.Seen(control.name);
    HWND hwnd =
        CreateNativeControl(control, parent, id, instance_, dpi_, fonts_.For(control.look), seen);
    natives_.Add(control, hwnd, id).shown = seen;
}

void NativeWindow::Place(NativeControl& native, bool raise) {
    const RECT rect = NativeRect(*native.control, dpi_);
    SetWindowPos(native.hwnd, raise ? HWND_TOP : nullptr, rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE | (raise ? 0 : SWP_NOZORDER));
}

void NativeWindow::OnControlChanged(const Control& control, Property property) {
    NativeControl* native = natives_.ByName(control.name);
    if (native == nullptr || native->hwnd == nullptr) {
        return;
    }
    const SyncingScope syncing(syncing_);
    switch (property) {
        case Property::Caption:
            SyncCaption(*native);
            break;
        case Property::Text:
            SyncText(*native);
            break;
        case Property::Value:
            SyncValue(*native);
            break;
        case Property::Enabled:
            EnableWindow(native->hwnd, control.enabled ? TRUE : FALSE);
            focus_.UpdateReachSoon();
            break;
        case Property::Position:
            if (control.name == kWaitPanel) {
                ShowOrParkWaitPanel(*native);
            } else {
                Place(*native, false);
                focus_.UpdateReachSoon();
            }
            break;
        case Property::Entries:
            SyncEntries(*native);
            break;
        case Property::Tooltip:
            SyncTooltip(*native);
            break;
    }
}

void NativeWindow::ShowOrParkWaitPanel(NativeControl& panel) {
    // The panel comes over everything while a long action runs, and takes the keyboard
    // focus with it; what it covers is hidden until it goes.
    if (form_.WaitPanelShown()) {
        focus_.RememberForWait(panel.hwnd);
        Place(panel, true);
        focus_.UpdateReach();
        SetFocus(panel.hwnd);
        return;
    }
    // The focus is back on a control of the window before the panel leaves it.
    focus_.UpdateReach();
    focus_.RestoreAfterWait();
    Place(panel, false);
}

void NativeWindow::SetBusy(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

}  // namespace tzp::ui
