#include "ui/win32/native_window.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/late_bound.h"
#include "platform/win32/wide.h"
#include "ui/control_ids.h"
#include "ui/form1_controls.h"

namespace tzp::ui {

namespace {

constexpr wchar_t kMainClass[] = L"TessalyControlPanel";
constexpr wchar_t kContainerClass[] = L"TessalyContainer";
constexpr int kTwipsPerInch = 1440;
constexpr UINT kUpdateReachMessage = WM_APP + 1;

using platform::Narrow;
using platform::Widen;

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

int DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && hwnd != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

bool IsIcon(const Control& c) {
    return c.kind == ControlKind::Picture && (c.look == Look::Icon || c.look == Look::PlayerIcon);
}

bool IsLink(const Control& c) {
    return c.kind == ControlKind::Label && c.look == Look::Link;
}

bool IsContainer(const Control& c) {
    return (c.kind == ControlKind::Frame || c.kind == ControlKind::Picture) && !IsIcon(c);
}

// What the keyboard can act on. Icons and links are buttons of their own.
bool IsFocusable(const Control& c) {
    switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::TabStrip:
            return true;
        case ControlKind::Picture:
            return IsIcon(c);
        case ControlKind::Label:
            return IsLink(c);
        default:
            return false;
    }
}

// What Enter presses when it has the focus.
bool IsPressable(const Control& c) {
    return c.kind == ControlKind::Button || IsIcon(c) || IsLink(c);
}

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

// A small drawn icon: a cog for configuration, a play sign for the player.
void DrawIconGlyph(HDC dc, const RECT& box, Look look, HBRUSH face) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int size = std::min(width, height) * 3 / 5;
    const int x = box.left + (width - size) / 2;
    const int y = box.top + (height - size) / 2;
    HBRUSH fill = CreateSolidBrush(look == Look::Icon ? RGB(90, 100, 120) : RGB(40, 140, 60));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    if (look == Look::Icon) {
        const int cx = x + size / 2;
        const int cy = y + size / 2;
        const int tooth = std::max(2, size / 6);
        // Four teeth across and four on the diagonals, then the wheel and its hole.
        Rectangle(dc, cx - tooth / 2, y - 1, cx + tooth / 2 + 1, y + size + 1);
        Rectangle(dc, x - 1, cy - tooth / 2, x + size + 1, cy + tooth / 2 + 1);
        const int d = size * 3 / 10;
        for (const POINT at : {POINT{cx - d, cy - d}, POINT{cx + d, cy - d}, POINT{cx - d, cy + d},
                               POINT{cx + d, cy + d}}) {
            Ellipse(dc, at.x - tooth / 2 - 1, at.y - tooth / 2 - 1, at.x + tooth / 2 + 2,
                    at.y + tooth / 2 + 2);
        }
        const int ring = size / 8;
        Ellipse(dc, x + ring, y + ring, x + size - ring, y + size - ring);
        SelectObject(dc, face);
        const int hole = size * 3 / 8;
        Ellipse(dc, x + hole, y + hole, x + size - hole + 1, y + size - hole + 1);
    } else {
        const POINT play[3] = {
            {x + size / 5, y}, {x + size, y + size / 2}, {x + size / 5, y + size}};
        Polygon(dc, play, 3);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
}

RECT RectIn(HWND window, HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

long long Area(const RECT& rect) {
    return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

// The window whose focus the hook guards: one main window a thread.
thread_local NativeWindow* focusGuarded = nullptr;

}  // namespace

NativeWindow::NativeWindow(Form& form) : form_(form) {
    form_.SetObserver(this);
}

NativeWindow::~NativeWindow() {
    form_.SetObserver(nullptr);
    if (focusHook_ != nullptr) {
        UnhookWindowsHookEx(focusHook_);
        focusGuarded = nullptr;
    }
    if (accProps_ != nullptr) {
        accProps_->Release();
    }
    if (comStarted_) {
        static const auto coUninitialize =
            platform::LateBound<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
        if (coUninitialize != nullptr) {
            coUninitialize();
        }
    }
    for (HFONT font : {font_, boldFont_, linkFont_, waitFont_}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
    if (faceBrush_ != nullptr) {
        DeleteObject(faceBrush_);
    }
}

template <typename F>
void NativeWindow::Safely(F&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        MessageBoxW(main_, Widen(error.what()).c_str(), Widen(kFormTitle).c_str(),
                    MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(main_, L"Unexpected error", Widen(kFormTitle).c_str(), MB_OK | MB_ICONERROR);
    }
}

int NativeWindow::Px(int twips) const {
    return MulDiv(twips, dpi_, kTwipsPerInch);
}

bool NativeWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    WNDCLASSEXW mainClass{};
    mainClass.cbSize = sizeof mainClass;
    mainClass.lpfnWndProc = &NativeWindow::MainProc;
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = kMainClass;
    mainClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    RegisterClassExW(&mainClass);

    WNDCLASSEXW containerClass{};
    containerClass.cbSize = sizeof containerClass;
    containerClass.lpfnWndProc = &NativeWindow::ContainerProc;
    containerClass.hInstance = instance;
    containerClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    containerClass.lpszClassName = kContainerClass;
    RegisterClassExW(&containerClass);

    faceBrush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    main_ =
        CreateWindowExW(0, kMainClass, Widen(kFormTitle).c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
    if (main_ == nullptr) {
        return false;
    }
    dpi_ = DpiOf(main_);
    CreateFonts();
    SetWindowPos(main_, nullptr, 0, 0, Px(kFormWidth), Px(kFormHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : form_.Controls()) {
        CreateControl(*control);
    }
    CreateTooltip();
    // Later rows of the table lie above earlier ones: the tab strip at the bottom, then
    // the pages' backgrounds, their frames and buttons, and the wait panel on top.
    for (const auto& control : form_.Controls()) {
        if (control->parent.empty()) {
            SetWindowPos(byId_.at(*ControlId(control->name)).hwnd, HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    SyncAll();
    UpdateReach();
    // Whatever moves the focus (a click sent to a hidden button, a program calling
    // SetFocus), it never lands on a control the user cannot see.
    focusGuarded = this;
    focusHook_ = SetWindowsHookExW(WH_CBT, &NativeWindow::FocusHook, nullptr, GetCurrentThreadId());
    // The focus rectangle always shows, not only once the keyboard has been used.
    SendMessageW(main_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

void NativeWindow::Show(int showCommand) {
    ShowWindow(main_, showCommand);
    UpdateWindow(main_);
}

void NativeWindow::CreateFonts() {
    for (HFONT* font : {&font_, &boldFont_, &linkFont_, &waitFont_}) {
        if (*font != nullptr) {
            DeleteObject(*font);
        }
    }
    LOGFONTW base{};
    base.lfHeight = -MulDiv(8, dpi_, 72);
    base.lfWeight = FW_NORMAL;
    base.lfCharSet = DEFAULT_CHARSET;
    base.lfQuality = CLEARTYPE_QUALITY;
    wcscpy(base.lfFaceName, L"MS Shell Dlg 2");
    font_ = CreateFontIndirectW(&base);
    LOGFONTW bold = base;
    bold.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&bold);
    LOGFONTW link = base;
    link.lfUnderline = TRUE;
    linkFont_ = CreateFontIndirectW(&link);
    LOGFONTW wait = base;
    wait.lfHeight = -MulDiv(18, dpi_, 72);
    wcscpy(wait.lfFaceName, L"Times New Roman");
    waitFont_ = CreateFontIndirectW(&wait);
}

HFONT NativeWindow::FontFor(const Control& control) const {
    switch (control.look) {
        case Look::Bold:
            return boldFont_;
        case Look::Link:
            return linkFont_;
        case Look::WaitText:
            return waitFont_;
        default:
            return font_;
    }
}

void NativeWindow::CreateControl(Control& control) {
    const int id = *ControlId(control.name);
    HWND parent = main_;
    if (!control.parent.empty()) {
        parent = byId_.at(*ControlId(control.parent)).hwnd;
    }
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    int heightTwips = control.height;
    switch (control.kind) {
        case ControlKind::Frame:
        case ControlKind::Picture:
            if (IsIcon(control)) {
                // A real button: a complete click, Space, Enter and BM_CLICK all press it,
                // and its caption is its name for screen readers.
                windowClass = L"BUTTON";
                style |= BS_OWNERDRAW;
                break;
            }
            windowClass = kContainerClass;
            style |= WS_CLIPCHILDREN;
            // The dialog manager looks into containers for the controls they hold.
            exStyle |= WS_EX_CONTROLPARENT;
            break;
        case ControlKind::Label:
            if (IsLink(control)) {
                windowClass = L"BUTTON";
                style |= BS_OWNERDRAW;
                break;
            }
            style |= SS_NOTIFY | SS_NOPREFIX |
                     (control.look == Look::Centred || control.look == Look::WaitText ? SS_CENTER
                                                                                      : SS_LEFT);
            break;
        case ControlKind::Button:
            windowClass = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::CheckBox:
            windowClass = L"BUTTON";
            // Not an automatic box: a click goes to the model, which decides the value.
            style |= BS_3STATE | WS_TABSTOP;
            break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ComboBox:
            windowClass = L"COMBOBOX";
            style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
            heightTwips = control.height * 10;  // room for the drop-down list
            break;
        case ControlKind::ListBox:
            windowClass = L"LISTBOX";
            style |= LBS_HASSTRINGS | LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                     LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::TabStrip:
            windowClass = WC_TABCONTROLW;
            style |= WS_TABSTOP;
            break;
        case ControlKind::FileList:
            windowClass = L"LISTBOX";
            style |= LBS_HASSTRINGS | LBS_SORT;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
    }
    const std::wstring caption =
        control.kind == ControlKind::Frame || control.kind == ControlKind::Picture
            ? Widen(control.caption)
            : Widen(control.caption);
    HWND hwnd =
        CreateWindowExW(exStyle, windowClass, caption.c_str(), style, Px(control.left),
                        Px(control.top), Px(control.width), Px(heightTwips), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
    if (control.kind == ControlKind::ListBox) {
        SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, Px(255));
    }
    byId_[id] = Native{&control, hwnd, {}};
    idByHwnd_[hwnd] = id;
    children_[control.parent].push_back(&byId_[id]);
}

NativeWindow::Native* NativeWindow::FindById(int id) {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &it->second;
}

NativeWindow::Native* NativeWindow::FindByHwnd(HWND hwnd) {
    const auto it = idByHwnd_.find(hwnd);
    return it == idByHwnd_.end() ? nullptr : FindById(it->second);
}

void NativeWindow::Place(Native& native, bool raise) {
    const Control& c = *native.control;
    const int height = c.kind == ControlKind::ComboBox ? c.height * 10 : c.height;
    SetWindowPos(native.hwnd, raise ? HWND_TOP : nullptr, Px(c.left), Px(c.top), Px(c.width),
                 Px(height), SWP_NOACTIVATE | (raise ? 0 : SWP_NOZORDER));
}

void NativeWindow::SyncAll() {
    for (auto& [id, native] : byId_) {
        SyncCaption(native);
        SyncText(native);
        SyncValue(native);
        SyncEntries(native);
        SyncTooltip(native);
        native.control->enabled ? EnableWindow(native.hwnd, TRUE)
                                : EnableWindow(native.hwnd, FALSE);
    }
}

void NativeWindow::CreateTooltip() {
    // One tooltip control serves every control; each becomes a tool of it when it gets a
    // text. The tooltip relays the pointer's moves itself (TTF_SUBCLASS).
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr, instance_, nullptr);
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Px(5000));
    }
    // A screen reader that already runs gets the descriptions from the start; any other
    // accessibility client asks the window first (WM_GETOBJECT), and gets them then.
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader) {
        StartDescriptions();
    }
}

void NativeWindow::StartDescriptions() {
    // Screen readers read the same text as the control's description. COM and the
    // annotation service are loaded only for a client that reads them: a start without
    // one does not pay for them. Where the system has no such service the tooltip still
    // shows the text.
    if (descriptionsTried_) {
        return;
    }
    descriptionsTried_ = true;
    static const auto coInitializeEx =
        platform::LateBound<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static const auto coCreateInstance =
        platform::LateBound<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    if (coInitializeEx == nullptr || coCreateInstance == nullptr) {
        return;
    }
    comStarted_ = SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(coCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&accProps_)))) {
        accProps_ = nullptr;
        return;
    }
    for (auto& [id, native] : byId_) {
        if (native.hwnd != nullptr && !native.control->tooltip.empty()) {
            SyncTooltip(native);
        }
    }
}

void NativeWindow::SyncTooltip(Native& native) {
    const Control& c = *native.control;
    if (tooltip_ != nullptr && (native.hasTip || !c.tooltip.empty())) {
        std::wstring text = Widen(c.tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = main_;
        tool.uId = reinterpret_cast<UINT_PTR>(native.hwnd);
        tool.hinst = instance_;
        tool.lpszText = text.data();
        if (c.tooltip.empty()) {
            SendMessageW(tooltip_, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
            native.hasTip = false;
        } else if (native.hasTip) {
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        } else {
            native.hasTip =
                SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
        }
    }
    if (accProps_ != nullptr && (native.described || !c.tooltip.empty())) {
        const auto object = static_cast<DWORD>(OBJID_CLIENT);
        if (c.tooltip.empty()) {
            const MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            accProps_->ClearHwndProps(native.hwnd, object, CHILDID_SELF, &description, 1);
            native.described = false;
        } else {
            native.described = SUCCEEDED(
                accProps_->SetHwndPropStr(native.hwnd, object, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                          Widen(c.tooltip).c_str()));
        }
    }
}

void NativeWindow::SyncCaption(Native& native) {
    const Control& c = *native.control;
    if (c.kind == ControlKind::TextBox || c.kind == ControlKind::ComboBox ||
        c.kind == ControlKind::ListBox || c.kind == ControlKind::TabStrip ||
        c.kind == ControlKind::FileList) {
        return;
    }
    const std::wstring caption = Widen(c.caption);
    if (WindowText(native.hwnd) != caption) {
        SetWindowTextW(native.hwnd, caption.c_str());
        if (c.kind == ControlKind::Frame || c.kind == ControlKind::Picture) {
            InvalidateRect(native.hwnd, nullptr, TRUE);
        }
    }
}

void NativeWindow::SyncText(Native& native) {
    const Control& c = *native.control;
    if (c.kind != ControlKind::TextBox && c.kind != ControlKind::ComboBox) {
        return;
    }
    const std::wstring text = Widen(c.text);
    if (WindowText(native.hwnd) != text) {
        SetWindowTextW(native.hwnd, text.c_str());
    }
}

void NativeWindow::SyncValue(Native& native) {
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

void NativeWindow::SyncEntries(Native& native) {
    const Control& c = *native.control;
    HWND h = native.hwnd;
    auto& shown = native.shownEntries;
    switch (c.kind) {
        case ControlKind::TabStrip: {
            for (size_t i = 0; i < c.entries.size(); ++i) {
                std::wstring text = Widen(c.entries[i].text);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text.data();
                if (i < shown.size()) {
                    TabCtrl_SetItem(h, static_cast<int>(i), &item);
                } else {
                    TabCtrl_InsertItem(h, static_cast<int>(i), &item);
                }
            }
            break;
        }
        case ControlKind::ComboBox: {
            SendMessageW(h, CB_RESETCONTENT, 0, 0);
            for (const auto& entry : c.entries) {
                SendMessageW(h, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Widen(entry.text).c_str()));
            }
            SyncText(native);
            break;
        }
        case ControlKind::ListBox:
        case ControlKind::FileList: {
            // Lists grow one entry at a time while they are built; appending keeps that
            // linear instead of rebuilding the whole list for every entry.
            const bool appended =
                c.entries.size() > shown.size() &&
                std::equal(shown.begin(), shown.end(), c.entries.begin(),
                           [](const ListEntry& a, const ListEntry& b) { return a.text == b.text; });
            if (!appended && c.entries.size() != shown.size()) {
                SendMessageW(h, LB_RESETCONTENT, 0, 0);
                shown.clear();
            }
            // A list built in one go is drawn once, when it is whole, into storage
            // reserved for all of it.
            const size_t adding = c.entries.size() - std::min(shown.size(), c.entries.size());
            const bool many = adding > 1;
            if (many) {
                SendMessageW(h, WM_SETREDRAW, FALSE, 0);
                size_t chars = 0;
                for (size_t i = shown.size(); i < c.entries.size(); ++i) {
                    chars += c.entries[i].text.size() + 1;
                }
                SendMessageW(h, LB_INITSTORAGE, adding, chars * sizeof(wchar_t));
            }
            for (size_t i = 0; i < c.entries.size(); ++i) {
                const auto& entry = c.entries[i];
                const bool added = i >= shown.size();
                if (added) {
                    SendMessageW(h, LB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(Widen(entry.text).c_str()));
                } else if (shown[i].text != entry.text) {
                    SendMessageW(h, LB_DELETESTRING, i, 0);
                    SendMessageW(h, LB_INSERTSTRING, i,
                                 reinterpret_cast<LPARAM>(Widen(entry.text).c_str()));
                }
                // An added entry comes unticked; only a tick needs telling.
                const bool tickChanged =
                    added ? entry.ticked
                          : shown[i].ticked != entry.ticked || shown[i].text != entry.text;
                if (c.kind == ControlKind::ListBox && tickChanged) {
                    SendMessageW(h, LB_SETSEL, entry.ticked ? TRUE : FALSE, static_cast<LPARAM>(i));
                }
            }
            if (many) {
                SendMessageW(h, WM_SETREDRAW, TRUE, 0);
                InvalidateRect(h, nullptr, TRUE);
            }
            break;
        }
        default:
            return;
    }
    shown = c.entries;
}

void NativeWindow::OnControlChanged(const Control& control, Property property) {
    Native* native = FindById(*ControlId(control.name));
    if (native == nullptr || native->hwnd == nullptr) {
        return;
    }
    const bool wasSyncing = syncing_;
    syncing_ = true;
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
            UpdateReachSoon();
            break;
        case Property::Position:
            if (control.name == "wf") {
                ShowOrParkWaitPanel(*native);
            } else {
                Place(*native, false);
                UpdateReachSoon();
            }
            break;
        case Property::Entries:
            SyncEntries(*native);
            break;
        case Property::Tooltip:
            SyncTooltip(*native);
            break;
    }
    syncing_ = wasSyncing;
}

void NativeWindow::ShowOrParkWaitPanel(Native& panel) {
    // The panel comes over everything while a long action runs, and takes the keyboard
    // focus with it; what it covers is hidden until it goes.
    if (form_.Busy()) {
        HWND focus = GetFocus();
        if (focus != nullptr && focus != panel.hwnd && IsChild(main_, focus)) {
            focusBeforeWait_ = focus;
        }
        Place(panel, true);
        UpdateReach();
        SetFocus(panel.hwnd);
        return;
    }
    // The focus is back on a control of the window before the panel leaves it.
    UpdateReach();
    if (focusBeforeWait_ != nullptr) {
        Native* before = IsWindow(focusBeforeWait_) ? FindOwner(focusBeforeWait_) : nullptr;
        if (before != nullptr && before->stop) {
            SetFocus(focusBeforeWait_);
        }
        focusBeforeWait_ = nullptr;
    }
    Place(panel, false);
}

void NativeWindow::UpdateReachSoon() {
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

void NativeWindow::UpdateReach() {
    reachPending_ = false;
    // Only what the user sees is a native window that is shown, and only that can be a
    // keyboard stop; the model's positions stay as they are.
    for (auto& [id, native] : byId_) {
        const Control& c = *native.control;
        const bool seen = form_.Seen(c.name);
        if (seen != native.shown) {
            ShowWindow(native.hwnd, seen ? SW_SHOWNA : SW_HIDE);
            native.shown = seen;
        }
        native.stop = seen && IsFocusable(c) && EnabledWithContainers(form_, c);
        const LONG_PTR style = GetWindowLongPtrW(native.hwnd, GWL_STYLE);
        const LONG_PTR wanted =
            native.stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        if (wanted != style) {
            SetWindowLongPtrW(native.hwnd, GWL_STYLE, wanted);
        }
    }
    KeepFocusReachable();
}

LRESULT CALLBACK NativeWindow::FocusHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS && focusGuarded != nullptr &&
        !focusGuarded->MayTakeFocus(reinterpret_cast<HWND>(wParam))) {
        return 1;  // refused
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool NativeWindow::MayTakeFocus(HWND hwnd) {
    Native* owner = hwnd == nullptr || hwnd == main_ ? nullptr : FindOwner(hwnd);
    if (owner == nullptr) {
        return true;  // the window itself, or another window of the program (a dialog)
    }
    if (form_.Busy()) {
        const Native* panel = FindById(*ControlId("wf"));
        return panel != nullptr && (hwnd == panel->hwnd || IsChild(panel->hwnd, hwnd));
    }
    return owner->stop;
}

void NativeWindow::KeepFocusReachable() {
    if (form_.Busy()) {
        return;  // the wait panel holds it
    }
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != main_ && !IsChild(main_, focus))) {
        return;
    }
    Native* owner = FindOwner(focus);
    if (owner == nullptr || !owner->stop) {
        FocusDefault();
    }
}

void NativeWindow::FocusDefault() {
    if (form_.Busy()) {
        if (Native* panel = FindById(*ControlId("wf")); panel != nullptr) {
            SetFocus(panel->hwnd);
        }
        return;
    }
    if (savedFocus_ != nullptr && IsWindow(savedFocus_)) {
        if (Native* saved = FindOwner(savedFocus_); saved != nullptr && saved->stop) {
            SetFocus(savedFocus_);
            return;
        }
    }
    if (const auto stops = Stops(); !stops.empty()) {
        FocusStop(*stops.front());
    }
}

NativeWindow::Native* NativeWindow::FindOwner(HWND hwnd) {
    // A combo box's own edit holds the focus for it.
    for (HWND h = hwnd; h != nullptr && h != main_; h = GetParent(h)) {
        if (Native* native = FindByHwnd(h); native != nullptr) {
            return native;
        }
    }
    return nullptr;
}

// The reading order. The stops, and the boxes around them on the screen (frames, pictures,
// the tab strip's page), make a tree by what lies inside what; each box is read top to
// bottom, then left to right, a box's content before what follows the box. What lies
// inside a frame counts as the frame's even where the table puts it beside the frame.
std::vector<NativeWindow::Native*> NativeWindow::Stops() {
    struct Node {
        Native* native;
        RECT rect;
        bool box;
        int parent = -1;
    };
    std::vector<Node> nodes;
    for (auto& [id, native] : byId_) {
        const Control& c = *native.control;
        const bool box = IsContainer(c) || c.kind == ControlKind::TabStrip;
        if (native.shown && (native.stop || box)) {
            nodes.push_back({&native, RectIn(main_, native.hwnd), box});
        }
    }
    for (size_t i = 0; i < nodes.size(); ++i) {
        for (size_t j = 0; j < nodes.size(); ++j) {
            const Node& outer = nodes[j];
            if (!outer.box || Area(outer.rect) <= Area(nodes[i].rect) ||
                !Contains(outer.rect, nodes[i].rect)) {
                continue;
            }
            const int best = nodes[i].parent;
            if (best < 0 || Area(outer.rect) < Area(nodes[static_cast<size_t>(best)].rect)) {
                nodes[i].parent = static_cast<int>(j);
            }
        }
    }
    std::vector<size_t> order(nodes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const RECT& ra = nodes[a].rect;
        const RECT& rb = nodes[b].rect;
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    std::vector<Native*> stops;
    const auto visit = [&](const auto& self, int parent) -> void {
        for (const size_t i : order) {
            if (nodes[i].parent == parent) {
                if (nodes[i].native->stop) {
                    stops.push_back(nodes[i].native);
                }
                if (nodes[i].box) {
                    self(self, static_cast<int>(i));
                }
            }
        }
    };
    visit(visit, -1);
    return stops;
}

void NativeWindow::FocusStop(Native& stop) {
    SetFocus(stop.hwnd);
    // As the dialog manager does: a text reached by the keyboard is selected whole.
    if (stop.control->kind == ControlKind::TextBox) {
        SendMessageW(stop.hwnd, EM_SETSEL, 0, -1);
    } else if (stop.control->kind == ControlKind::ComboBox) {
        SendMessageW(stop.hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
}

void NativeWindow::MoveFocus(bool forward) {
    const auto stops = Stops();
    if (stops.empty()) {
        return;
    }
    const size_t count = stops.size();
    const auto at = std::find(stops.begin(), stops.end(), FindOwner(GetFocus()));
    size_t next = forward ? 0 : count - 1;
    if (at != stops.end()) {
        const auto index = static_cast<size_t>(at - stops.begin());
        next = forward ? (index + 1) % count : (index + count - 1) % count;
    }
    FocusStop(*stops[next]);
}

void NativeWindow::NextPage(bool forward) {
    for (auto& [id, native] : byId_) {
        const Control& strip = *native.control;
        if (strip.kind != ControlKind::TabStrip || strip.entries.empty()) {
            continue;
        }
        const int count = static_cast<int>(strip.entries.size());
        const int tab = forward ? strip.value % count + 1 : (strip.value + count - 2) % count + 1;
        Safely([&] { form_.SelectTab(strip.name, tab); });
        SyncValue(native);
        return;
    }
}

bool NativeWindow::TranslateKeyboard(MSG& message) {
    if (main_ == nullptr || (message.hwnd != main_ && !IsChild(main_, message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (GetKeyState(VK_CONTROL) < 0) {
            NextPage(!shift);
        } else {
            MoveFocus(!shift);
        }
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (Native* owner = FindOwner(GetFocus());
            owner != nullptr && owner->stop && IsPressable(*owner->control)) {
            SendMessageW(owner->hwnd, BM_CLICK, 0, 0);
            return true;
        }
    }
    return IsDialogMessageW(main_, &message) != FALSE;
}

void NativeWindow::SetBusy(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void NativeWindow::OnCommand(int id, int code, HWND from) {
    Native* native = FindById(id);
    if (native == nullptr || syncing_ || native->hwnd != from) {
        return;
    }
    Control& c = *native->control;
    switch (c.kind) {
        case ControlKind::Button:
            if (code == BN_CLICKED) {
                Safely([&] { form_.Click(c.name); });
            }
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                Safely([&] { form_.UserToggle(c.name); });
            }
            break;
        case ControlKind::Label:    // link labels are buttons; others notify a click
        case ControlKind::Picture:  // icons
            if (code == BN_CLICKED) {
                Safely([&] { form_.Click(c.name); });
            }
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE) {
                syncing_ = true;
                if (!form_.UserEdit(c.name, Narrow(WindowText(from)))) {
                    SyncText(*native);  // refused while busy: the model's text comes back
                }
                syncing_ = false;
            }
            break;
        case ControlKind::ComboBox:
            if (code == CBN_EDITCHANGE) {
                syncing_ = true;
                if (!form_.UserEdit(c.name, Narrow(WindowText(from)))) {
                    SyncText(*native);
                }
                syncing_ = false;
            } else if (code == CBN_SELCHANGE) {
                const LRESULT index = SendMessageW(from, CB_GETCURSEL, 0, 0);
                bool done = true;
                if (index >= 0) {
                    Safely([&] { done = form_.PickEntry(c.name, static_cast<size_t>(index)); });
                }
                if (!done) {
                    syncing_ = true;
                    SendMessageW(from, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                    SyncText(*native);
                    syncing_ = false;
                }
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                syncing_ = true;
                for (size_t i = 0; i < c.entries.size(); ++i) {
                    const bool ticked = SendMessageW(from, LB_GETSEL, i, 0) > 0;
                    if (ticked != c.entries[i].ticked && !form_.UserTick(c.name, i, ticked)) {
                        SendMessageW(from, LB_SETSEL, c.entries[i].ticked ? TRUE : FALSE,
                                     static_cast<LPARAM>(i));
                    }
                    native->shownEntries[i].ticked = c.entries[i].ticked;
                }
                syncing_ = false;
            }
            break;
        default:
            break;
    }
}

void NativeWindow::OnNotify(const NMHDR& header) {
    Native* native = FindById(static_cast<int>(header.idFrom));
    if (native == nullptr || native->control->kind != ControlKind::TabStrip ||
        header.code != TCN_SELCHANGE || syncing_) {
        return;
    }
    const int tab = TabCtrl_GetCurSel(native->hwnd) + 1;
    Safely([&] { form_.SelectTab(native->control->name, tab); });
    SyncValue(*native);  // a refused change shows the model's tab again
}

bool NativeWindow::DrawButtonItem(const DRAWITEMSTRUCT& item) {
    Native* native = FindByHwnd(item.hwndItem);
    if (native == nullptr) {
        return false;
    }
    const Control& c = *native->control;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, faceBrush_);
    RECT focus = box;
    if (IsLink(c)) {
        const std::wstring text = Widen(c.caption);
        HGDIOBJ oldFont = SelectObject(dc, linkFont_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                                                              : RGB(0, 0, 238));
        constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, kFormat);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &focus, kFormat | DT_CALCRECT);
        focus.right = std::min(focus.right + 1, box.right);
        focus.bottom = std::min(focus.bottom, box.bottom);
        SelectObject(dc, oldFont);
    } else {
        if ((item.itemState & ODS_SELECTED) != 0) {
            OffsetRect(&box, 1, 1);  // pressed
        }
        DrawIconGlyph(dc, box, c.look, faceBrush_);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &focus);
    }
    return true;
}

bool NativeWindow::DrawListItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_LISTBOX || item.itemID == static_cast<UINT>(-1)) {
        return false;
    }
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    const int size = box.bottom - box.top - 2;
    RECT tick{box.left + 1, box.top + 1, box.left + 1 + size, box.top + 1 + size};
    const bool ticked = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
    const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
    RECT textBox = box;
    textBox.left = tick.right + 4;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &box);
    }
    return true;
}

void NativeWindow::PaintContainer(HWND hwnd, const Control& control) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, faceBrush_);
    SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    if (control.kind == ControlKind::Frame) {
        RECT edge = client;
        if (!control.caption.empty()) {
            edge.top += Px(100);
        }
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        if (!control.caption.empty()) {
            const std::wstring caption = Widen(control.caption);
            SIZE extent{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
            RECT label{Px(120) - 2, 0, Px(120) + extent.cx + 2, extent.cy};
            FillRect(dc, &label, faceBrush_);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            TextOutW(dc, Px(120), 0, caption.c_str(), static_cast<int>(caption.size()));
        }
    } else if (control.look == Look::Logo) {
        TRIVERTEX corners[2] = {
            {client.left, client.top, 0x2000, 0x4000, 0x8000, 0},
            {client.right, client.bottom, 0x6000, 0xA000, 0xE000, 0},
        };
        GRADIENT_RECT area{0, 1};
        // GDI's own entry point: msimg32's GradientFill only forwards to it.
        GdiGradientFill(dc, corners, 2, &area, 1, GRADIENT_FILL_RECT_V);
        SelectObject(dc, waitFont_);
        SetTextColor(dc, RGB(255, 255, 255));
        RECT text = client;
        DrawTextW(dc, L"Tessaly\nZivozod\nPack", -1, &text, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK);
    }
    EndPaint(hwnd, &paint);
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
    return self->HandleMain(message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::ContainerProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(top, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleContainer(hwnd, message, wParam, lParam);
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
        case WM_PAINT: {
            Native* native = FindByHwnd(hwnd);
            if (native != nullptr) {
                PaintContainer(hwnd, *native->control);
                return 0;
            }
            break;
        }
        // A picture acts on a complete click: pressed and released on it.
        case WM_LBUTTONDOWN: {
            Native* native = FindByHwnd(hwnd);
            if (native != nullptr && native->control->kind == ControlKind::Picture) {
                native->pressed = true;
                SetCapture(hwnd);
                return 0;
            }
            break;
        }
        case WM_LBUTTONUP: {
            Native* native = FindByHwnd(hwnd);
            if (native != nullptr && native->control->kind == ControlKind::Picture) {
                const bool pressed = native->pressed;
                native->pressed = false;
                if (GetCapture() == hwnd) {
                    ReleaseCapture();
                }
                RECT client;
                GetClientRect(hwnd, &client);
                const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (pressed && PtInRect(&client, at)) {
                    Safely([&] { form_.Click(native->control->name); });
                }
                return 0;
            }
            break;
        }
        case WM_CAPTURECHANGED:
            if (Native* native = FindByHwnd(hwnd); native != nullptr) {
                native->pressed = false;
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

LRESULT NativeWindow::HandleMain(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETOBJECT:
            StartDescriptions();
            break;  // the system's own accessible object answers
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const bool drawn =
                item.CtlType == ODT_BUTTON ? DrawButtonItem(item) : DrawListItem(item);
            return drawn ? TRUE : FALSE;
        }
        case kUpdateReachMessage:
            if (reachPending_) {
                UpdateReach();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus != nullptr && IsChild(main_, focus)) {
                    savedFocus_ = focus;
                }
            }
            break;
        case WM_SETFOCUS:
            // The window itself takes no keys: the focus goes back where it was, or to the
            // first stop.
            FocusDefault();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            Native* native = FindByHwnd(reinterpret_cast<HWND>(lParam));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            if (native != nullptr && native->control->look == Look::Link) {
                SetTextColor(dc, RGB(0, 0, 238));
            }
            return reinterpret_cast<LRESULT>(faceBrush_);
        }
        case WM_SETCURSOR:
            if (busy_) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            CreateFonts();
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(main_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            for (auto& [id, native] : byId_) {
                Place(native, false);
                SendMessageW(native.hwnd, WM_SETFONT,
                             reinterpret_cast<WPARAM>(FontFor(*native.control)), TRUE);
            }
            return 0;
        }
        case WM_CLOSE: {
            bool mayClose = true;
            Safely([&] { mayClose = form_.RequestClose(); });
            if (mayClose) {
                DestroyWindow(main_);
            }
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(main_, message, wParam, lParam);
}

}  // namespace tzp::ui
