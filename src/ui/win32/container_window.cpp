#include "ui/win32/container_window.h"

#include <windowsx.h>

#include <string>

#include "platform/win32/wide.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi.h"
#include "ui/win32/native_window.h"

namespace tzp::ui {

namespace {

void PaintFrame(HDC dc, const RECT& client, const Control& control, HBRUSH face, int dpi) {
    RECT edge = client;
    if (!control.caption.empty()) {
        edge.top += TwipsToPixels(100, dpi);
    }
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (control.caption.empty()) {
        return;
    }
    const std::wstring caption = platform::Widen(control.caption);
    const int indent = TwipsToPixels(120, dpi);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT label{indent - 2, 0, indent + extent.cx + 2, extent.cy};
    FillRect(dc, &label, face);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, indent, 0, caption.c_str(), static_cast<int>(caption.size()));
}

void PaintLogo(HDC dc, const RECT& client, HFONT font) {
    TRIVERTEX corners[2] = {
        {client.left, client.top, 0x2000, 0x4000, 0x8000, 0},
        {client.right, client.bottom, 0x6000, 0xA000, 0xE000, 0},
    };
    GRADIENT_RECT area{0, 1};
    // GDI's own entry point: msimg32's GradientFill only forwards to it.
    GdiGradientFill(dc, corners, 2, &area, 1, GRADIENT_FILL_RECT_V);
    const Selection selected(dc, font);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT text = client;
    DrawTextW(dc, L"Tessaly\nZivozod\nPack", -1, &text, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK);
}

}  // namespace

void PaintContainer(HWND hwnd, const Control& control, const Fonts& fonts, HBRUSH face, int dpi) {
    const PaintScope paint(hwnd);
    HDC dc = paint.dc();
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, face);
    const Selection font(dc, fonts.Normal());
    SetBkMode(dc, TRANSPARENT);
    if (control.kind == ControlKind::Frame) {
        PaintFrame(dc, client, control, face, dpi);
    } else if (control.look == Look::Logo) {
        PaintLogo(dc, client, fonts.Wait());
    }
}

LRESULT NativeWindow::HandleContainer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // Containers pass their children's notifications on to the window.
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return HandleMain(message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (NativeControl* native = natives_.ByHwnd(hwnd); native != nullptr) {
                PaintContainer(hwnd, *native->control, fonts_, faceBrush_.get(), dpi_);
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (OnPictureMouse(hwnd, message, lParam)) {
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (busy_) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A picture acts on a complete click: pressed and released on it. True when the message
// was the picture's.
bool NativeWindow::OnPictureMouse(HWND hwnd, UINT message, LPARAM lParam) {
    NativeControl* native = natives_.ByHwnd(hwnd);
    if (native == nullptr) {
        return false;
    }
    if (message == WM_CAPTURECHANGED) {
        native->pressed = false;
        return false;
    }
    if (native->control->kind != ControlKind::Picture) {
        return false;
    }
    if (message == WM_LBUTTONDOWN) {
        native->pressed = true;
        SetCapture(hwnd);
        return true;
    }
    const bool pressed = native->pressed;
    native->pressed = false;
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (pressed && PtInRect(&client, at)) {
        form_.Click(native->control->name);
    }
    return true;
}

}  // namespace tzp::ui
