#pragma once
// The controls the window draws itself: icons and links (owner-drawn buttons) and the
// extension lists' entries with their tick boxes.
#include <windows.h>

#include "ui/control.h"

namespace tzp::ui {

void DrawButtonItem(const DRAWITEMSTRUCT& item, const Control& control, HBRUSH face,
                    HFONT linkFont);
// False for what is no entry of a list box.
bool DrawListItem(const DRAWITEMSTRUCT& item);

}  // namespace tzp::ui
