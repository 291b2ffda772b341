// The window procedures: each routes its messages, and is the one place where an
// exception from a behaviour is caught. Nothing thrown may leave a window procedure.
#include <utility>

#include "platform/win32/wide.h"
#include "ui/form1_controls.h"
#include "ui/win32/barrier.h"
#include "ui/win32/dpi.h"
#include "ui/win32/native_window.h"
#include "ui/win32/owner_draw.h"

namespace tzp::ui {

void NativeWindow::ShowError(const char* what) {
    const std::wstring text = what != nullptr ? platform::Widen(what) : L"Unexpected error";
    MessageBoxW(main_, text.c_str(), platform::Widen(kFormTitle).c_str(), MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK NativeWindow::MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->main_ = hwnd;
    } else {
        self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const auto report = [self](const char* what) { self->ShowError(what); };
    return Barrier(
        LRESULT{0}, [&] { return self->HandleMain(message, wParam, lParam); }, report);
}

LRESULT CALLBACK NativeWindow::ContainerProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    // The window a container belongs to is found once and kept with the container: asking
    // the system for a window's root costs a round trip to the window server under Wine, and
    // a container hears of every child it holds being made, painted and coloured.
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        HWND top = GetAncestor(hwnd, GA_ROOT);
        self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(top, GWLP_USERDATA));
        if (self == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    const auto report = [self](const char* what) { self->ShowError(what); };
    return Barrier(
        LRESULT{0}, [&] { return self->HandleContainer(hwnd, message, wParam, lParam); }, report);
}

LRESULT NativeWindow::HandleMain(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETOBJECT:
            DescribeAll();
            break;  // the system's own accessible object answers
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case kTipShownMessage:
            OnTipShown(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_BUTTON) {
                return DrawListItem(item) ? TRUE : FALSE;
            }
            const NativeControl* native = natives_.ByHwnd(item.hwndItem);
            if (native == nullptr) {
                return FALSE;
            }
            DrawButtonItem(item, *native->control, faceBrush_.get(), fonts_.Link());
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            const NativeControl* native = natives_.ByHwnd(reinterpret_cast<HWND>(lParam));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            if (native != nullptr && native->control->look == Look::Link) {
                SetTextColor(dc, RGB(0, 0, 238));
            }
            return reinterpret_cast<LRESULT>(faceBrush_.get());
        }
        default:
            break;
    }
    LRESULT result = 0;
    if (HandleWindowState(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(main_, message, wParam, lParam);
}

// The messages about the window as a whole: focus, cursor, DPI, closing. True when the
// message was handled, its result in `result`.
bool NativeWindow::HandleWindowState(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case kUpdateReachMessage:
            focus_.OnUpdateReachMessage();
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_.OnDeactivate();
            }
            return false;
        case WM_SETFOCUS:
            // The window itself takes no keys: the focus goes back where it was, or to the
            // first stop.
            focus_.FocusDefault();
            return true;
        case WM_SETCURSOR:
            if (busy_) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                result = TRUE;
                return true;
            }
            return false;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return true;
        case WM_CLOSE:
            if (form_.RequestClose()) {
                DestroyWindow(main_);
            }
            return true;
        case WM_DESTROY:
            PostQuitMessage(0);
            return true;
        default:
            return false;
    }
}

void NativeWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls get the new fonts before the old ones go.
    Fonts old = std::exchange(fonts_, Fonts(dpi_));
    SetWindowPos(main_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (auto& [id, native] : natives_.All()) {
        Place(native, false);
        SendMessageW(native.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.For(native.control->look)), TRUE);
        if (native.control->kind == ControlKind::ListBox) {
            SendMessageW(native.hwnd, LB_SETITEMHEIGHT, 0, Px(255));
        }
    }
    tooltips_.SetMaxWidth(Px(5000));
}

}  // namespace tzp::ui
