#pragma once
// The window's geometry is in twips, as the control table gives it: 15 twips a pixel at
// 96 dots per inch, and proportionally more pixels on a denser monitor.
#include <windows.h>

namespace tzp::ui {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
}

// The dots per inch of the monitor the window is on; the system's where the system
// cannot tell per window.
int DpiOf(HWND hwnd);

}  // namespace tzp::ui
