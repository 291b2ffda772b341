#include "ui/win32/control_kinds.h"

#include <commctrl.h>

#include "platform/win32/wide.h"
#include "ui/win32/dpi.h"

namespace tzp::ui {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// clang-format off
// Icons and links are real buttons: a complete click, Space, Enter and BM_CLICK all press
// them, and their caption is their name for screen readers. Check boxes are not automatic:
// a click goes to the model, which decides the value. Containers let the dialog manager
// look into them for the controls they hold.
//                                 class            style                                    exStyle               height focus press caption text  box    repaint
constexpr KindTraits kContainer  {kContainerClass,  kChild | WS_CLIPCHILDREN,               WS_EX_CONTROLPARENT,  1,     false, false, true,  false, true,  true};
constexpr KindTraits kIcon       {L"BUTTON",        kChild | BS_OWNERDRAW,                  0,                    1,     true,  true,  true,  false, false, true};
constexpr KindTraits kLink       {L"BUTTON",        kChild | BS_OWNERDRAW,                  0,                    1,     true,  true,  true,  false, false, false};
constexpr KindTraits kLabel      {L"STATIC",        kChild | SS_NOTIFY | SS_NOPREFIX,       0,                    1,     false, false, true,  false, false, false};
constexpr KindTraits kButton     {L"BUTTON",        kChild | BS_PUSHBUTTON | WS_TABSTOP,    0,                    1,     true,  true,  true,  false, false, false};
constexpr KindTraits kCheckBox   {L"BUTTON",        kChild | BS_3STATE | WS_TABSTOP,        0,                    1,     true,  false, true,  false, false, false};
constexpr KindTraits kTextBox    {L"EDIT",          kChild | ES_AUTOHSCROLL | WS_TABSTOP,   WS_EX_CLIENTEDGE,     1,     true,  false, false, true,  false, false};
constexpr KindTraits kComboBox   {L"COMBOBOX",      kChild | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                                                                             0,                    10,    true,  false, false, true,  false, false};
constexpr KindTraits kListBox    {L"LISTBOX",       kChild | LBS_HASSTRINGS | LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                                                    LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                                                                                             WS_EX_CLIENTEDGE,     1,     true,  false, false, false, false, false};
constexpr KindTraits kTabStrip   {WC_TABCONTROLW,   kChild | WS_TABSTOP,                    0,                    1,     true,  false, false, false, true,  false};
constexpr KindTraits kFileList   {L"LISTBOX",       kChild | LBS_HASSTRINGS | LBS_SORT,     WS_EX_CLIENTEDGE,     1,     false, false, false, false, false, false};
// clang-format on

bool IsIcon(const Control& c) {
    return c.kind == ControlKind::Picture && (c.look == Look::Icon || c.look == Look::PlayerIcon);
}

}  // namespace

const KindTraits& TraitsOf(const Control& control) {
    switch (control.kind) {
        case ControlKind::Frame:
            return kContainer;
        case ControlKind::Picture:
            return IsIcon(control) ? kIcon : kContainer;
        case ControlKind::Label:
            return control.look == Look::Link ? kLink : kLabel;
        case ControlKind::Button:
            return kButton;
        case ControlKind::CheckBox:
            return kCheckBox;
        case ControlKind::TextBox:
            return kTextBox;
        case ControlKind::ComboBox:
            return kComboBox;
        case ControlKind::ListBox:
            return kListBox;
        case ControlKind::TabStrip:
            return kTabStrip;
        case ControlKind::FileList:
            return kFileList;
    }
    return kLabel;
}

RECT NativeRect(const Control& control, int dpi) {
    const int height = control.height * TraitsOf(control).heightFactor;
    const int left = TwipsToPixels(control.left, dpi);
    const int top = TwipsToPixels(control.top, dpi);
    return {left, top, left + TwipsToPixels(control.width, dpi), top + TwipsToPixels(height, dpi)};
}

HWND CreateNativeControl(const Control& control, HWND parent, int id, HINSTANCE instance, int dpi,
                         HFONT font, bool seen) {
    const KindTraits& traits = TraitsOf(control);
    DWORD style = traits.style & ~static_cast<DWORD>(WS_TABSTOP);
    if (!seen) {
        style &= ~static_cast<DWORD>(WS_VISIBLE);
    } else if (traits.focusable) {
        style |= WS_TABSTOP;
    }
    if (&traits == &kLabel && (control.look == Look::Centred || control.look == Look::WaitText)) {
        style |= SS_CENTER;
    }
    const RECT rect = NativeRect(control, dpi);
    HWND hwnd = CreateWindowExW(
        traits.exStyle, traits.windowClass, platform::Widen(control.caption).c_str(), style,
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.kind == ControlKind::ListBox) {
        SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, TwipsToPixels(255, dpi));
    }
    return hwnd;
}

}  // namespace tzp::ui
