#pragma once
// What each kind of control is natively: one row per kind, and the control's native
// window made from its row. A control's kind and look decide its row once; the rest of
// the window asks the row instead of switching over kinds again.
#include <windows.h>

#include "ui/control.h"

namespace tzp::ui {

struct KindTraits {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    int heightFactor;  // the native height in control heights (a combo box's list)
    bool focusable;    // what the keyboard can act on
    bool pressable;    // what Enter presses when it has the focus
    bool caption;      // shows the model's caption
    bool text;         // shows the model's text and reports the user's typing
    bool box;          // holds other controls or draws them a page (the reading order)
    bool repaintOnCaption;
};

const KindTraits& TraitsOf(const Control& control);

// The window class of the frames and pictures that contain other controls.
inline constexpr wchar_t kContainerClass[] = L"TessalyContainer";

// The native window of one control, at its place for the DPI, with its font; shown and a
// keyboard stop (when its kind takes the focus) if `seen`, else hidden and no stop.
HWND CreateNativeControl(const Control& control, HWND parent, int id, HINSTANCE instance, int dpi,
                         HFONT font, bool seen);

// The native window's rectangle for the DPI, relative to its parent.
RECT NativeRect(const Control& control, int dpi);

}  // namespace tzp::ui
