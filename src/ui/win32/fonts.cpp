#include "ui/win32/fonts.h"

#include <cwchar>

#include "ui/win32/dpi.h"

namespace tzp::ui {

int DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && hwnd != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    const ScreenDc screen;
    const int dpi = GetDeviceCaps(screen.dc(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

Fonts::Fonts(int dpi) {
    LOGFONTW base{};
    base.lfHeight = -MulDiv(8, dpi, 72);
    base.lfWeight = FW_NORMAL;
    base.lfCharSet = DEFAULT_CHARSET;
    base.lfQuality = CLEARTYPE_QUALITY;
    wcscpy(base.lfFaceName, L"MS Shell Dlg 2");
    normal_ = Font(CreateFontIndirectW(&base));
    LOGFONTW bold = base;
    bold.lfWeight = FW_BOLD;
    bold_ = Font(CreateFontIndirectW(&bold));
    LOGFONTW link = base;
    link.lfUnderline = TRUE;
    link_ = Font(CreateFontIndirectW(&link));
    LOGFONTW wait = base;
    wait.lfHeight = -MulDiv(18, dpi, 72);
    wcscpy(wait.lfFaceName, L"Times New Roman");
    wait_ = Font(CreateFontIndirectW(&wait));
}

HFONT Fonts::For(Look look) const {
    switch (look) {
        case Look::Bold:
            return bold_.get();
        case Look::Link:
            return link_.get();
        case Look::WaitText:
            return wait_.get();
        default:
            return normal_.get();
    }
}

}  // namespace tzp::ui
