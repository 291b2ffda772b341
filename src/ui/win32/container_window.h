#pragma once
// The frames and pictures that hold other controls: drawn by the window, a frame with its
// etched edge and caption, the wait panel's logo with its gradient.
#include <windows.h>

#include "ui/control.h"
#include "ui/win32/fonts.h"

namespace tzp::ui {

void PaintContainer(HWND hwnd, const Control& control, const Fonts& fonts, HBRUSH face, int dpi);

}  // namespace tzp::ui
