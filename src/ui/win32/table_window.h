#pragma once
// A read-only table in a modal window owned by the main window: a list with a column a
// heading, and a button that closes it. The keyboard alone reads all of it: the list has
// the focus first, with its first row chosen, the arrows walk the rows, Tab goes to the
// button and back, Escape closes.
#include <windows.h>

#include "platform/interaction.h"

namespace tzp::ui {

// The list's control ID, for accessibility tools and the tests; the button is IDCANCEL.
inline constexpr int kTableListId = 3301;

void ShowTableWindow(HWND owner, const platform::Table& table);

}  // namespace tzp::ui
