#pragma once
// The native window of every control of the model, found by control ID or by handle.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/win32/tooltips.h"

namespace tzp::ui {

struct NativeControl {
    Control* control = nullptr;
    HWND hwnd = nullptr;
    std::vector<ListEntry> shownEntries;  // lists: what the native list holds
    TipState tip;                         // what the system knows of its tooltip
    bool shown = true;                    // the native window is visible
    bool stop = false;                    // a keyboard stop: seen, enabled and focusable
    bool pressed = false;                 // pictures: a mouse press began on it
};

// A native window's text.
std::wstring WindowText(HWND hwnd);

class NativeControls {
  public:
    NativeControl& Add(Control& control, HWND hwnd, int id);
    NativeControl* ById(int id);
    NativeControl* ByName(const std::string& name);
    NativeControl* ByHwnd(HWND hwnd);
    // The control a window belongs to, looking up its parents below `top` (a combo box's
    // own edit holds the focus for it).
    NativeControl* Owner(HWND hwnd, HWND top);
    HWND Hwnd(const std::string& name);

    std::map<int, NativeControl>& All() { return byId_; }

  private:
    std::map<int, NativeControl> byId_;
    std::map<HWND, int> idByHwnd_;
};

}  // namespace tzp::ui
