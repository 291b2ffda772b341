#pragma once
#include <memory>
#include <span>

#include "ui/control.h"
#include "ui/control_names.h"

namespace tzp::ui {

// Every control of the main window, visible and hidden, with its design position in
// twips. Parents come before their children.
std::span<const ControlSpec> Form1Controls();

class Form;
// The main window's model, its tab strip holding the three built-in tab captions.
std::unique_ptr<Form> CreateForm1();

// The park position: a control moved here lies outside the window.
inline constexpr int kPark = 12000;

// The main window's outer size in twips, and its fixed title.
inline constexpr int kFormWidth = 8025;
inline constexpr int kFormHeight = 8600;
inline constexpr const char* kFormTitle = "Tessaly Zivozod Pack Control Panel";

}  // namespace tzp::ui
