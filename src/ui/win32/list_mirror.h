#pragma once
// The native lists kept in step with the model's entries: the tab strip's tabs, the combo
// box's list, the list boxes with their ticks. `shown` is what the native list holds, and
// becomes the model's entries.
#include <windows.h>

#include <vector>

#include "ui/control.h"

namespace tzp::ui {

void MirrorTabs(HWND strip, const std::vector<ListEntry>& entries, std::vector<ListEntry>& shown);
void MirrorComboList(HWND combo, const std::vector<ListEntry>& entries,
                     std::vector<ListEntry>& shown);
// Ticks are shown as the selection when `ticks` is set.
void MirrorList(HWND list, const std::vector<ListEntry>& entries, std::vector<ListEntry>& shown,
                bool ticks);

}  // namespace tzp::ui
