#include "ui/win32/native_controls.h"

#include "ui/control_ids.h"

namespace tzp::ui {

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

NativeControl& NativeControls::Add(Control& control, HWND hwnd, int id) {
    idByHwnd_[hwnd] = id;
    NativeControl& native = byId_[id] = NativeControl{};
    native.control = &control;
    native.hwnd = hwnd;
    return native;
}

NativeControl* NativeControls::ById(int id) {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &it->second;
}

NativeControl* NativeControls::ByName(const std::string& name) {
    const auto id = ControlId(name);
    return id ? ById(*id) : nullptr;
}

NativeControl* NativeControls::ByHwnd(HWND hwnd) {
    const auto it = idByHwnd_.find(hwnd);
    return it == idByHwnd_.end() ? nullptr : ById(it->second);
}

NativeControl* NativeControls::Owner(HWND hwnd, HWND top) {
    for (HWND h = hwnd; h != nullptr && h != top; h = GetParent(h)) {
        if (NativeControl* native = ByHwnd(h); native != nullptr) {
            return native;
        }
    }
    return nullptr;
}

HWND NativeControls::Hwnd(const std::string& name) {
    const NativeControl* native = ByName(name);
    return native == nullptr ? nullptr : native->hwnd;
}

}  // namespace tzp::ui
