#include "ui/win32/tooltips.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include "platform/win32/late_bound.h"
#include "platform/win32/wide.h"

namespace tzp::ui {

using platform::Widen;

Tooltips::Tooltips() = default;

Tooltips::~Tooltips() {
    accProps_.reset();
    if (comStarted_) {
        static const auto coUninitialize =
            platform::LateBound<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
        if (coUninitialize != nullptr) {
            coUninitialize();
        }
    }
}

void Tooltips::Create(HWND window, HINSTANCE instance, int maxWidth) {
    window_ = window;
    instance_ = instance;
    // Each control becomes a tool when it gets a text. The window's message pumps relay the
    // pointer's moves to the tooltip (Relay): subclassing every control that has a text,
    // as TTF_SUBCLASS does, would cost the start two calls to the window server per tool.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    SetMaxWidth(maxWidth);
    // A screen reader that already runs gets the descriptions from the start; any other
    // accessibility client asks the window first (WM_GETOBJECT), and gets them then.
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader) {
        StartDescriptions();
    }
}

void Tooltips::SetMaxWidth(int maxWidth) {
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    }
}

bool Tooltips::StartDescriptions() {
    // COM and the annotation service are loaded only for a client that reads them: a
    // start without one does not pay for them. Where the system has no such service the
    // tooltip still shows the text.
    if (descriptionsTried_) {
        return false;
    }
    descriptionsTried_ = true;
    static const auto coInitializeEx =
        platform::LateBound<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static const auto coCreateInstance =
        platform::LateBound<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    if (coInitializeEx == nullptr || coCreateInstance == nullptr) {
        return false;
    }
    comStarted_ = SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(coCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, accProps_.out()))) {
        accProps_.reset();
        return false;
    }
    return true;
}

void Tooltips::Relay(const MSG& message) {
    if (tooltip_ != nullptr && message.message >= WM_MOUSEFIRST &&
        message.message <= WM_MOUSELAST) {
        MSG copy = message;
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
}

void Tooltips::Update() {
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, TTM_UPDATE, 0, 0);
    }
}

void Tooltips::Sync(HWND control, const std::string& text, TipState& state) {
    if (tooltip_ != nullptr && (state.hasTip || !text.empty())) {
        std::wstring wide = Widen(text);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.hinst = instance_;
        tool.lpszText = wide.data();
        const auto info = reinterpret_cast<LPARAM>(&tool);
        if (text.empty()) {
            SendMessageW(tooltip_, TTM_DELTOOL, 0, info);
            state.hasTip = false;
        } else if (state.hasTip) {
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, info);
        } else {
            state.hasTip = SendMessageW(tooltip_, TTM_ADDTOOLW, 0, info) != FALSE;
        }
    }
    if (accProps_ && (state.described || !text.empty())) {
        const auto object = static_cast<DWORD>(OBJID_CLIENT);
        if (text.empty()) {
            const MSAAPROPID description = PROPID_ACC_DESCRIPTION;
            accProps_->ClearHwndProps(control, object, CHILDID_SELF, &description, 1);
            state.described = false;
        } else {
            state.described = SUCCEEDED(accProps_->SetHwndPropStr(
                control, object, CHILDID_SELF, PROPID_ACC_DESCRIPTION, Widen(text).c_str()));
        }
    }
}

}  // namespace tzp::ui
