#pragma once
// The program chooser (Command7) and the association command (Command6).
#include "core/app.h"

namespace tzp::assoc {

// Asks for the program with the system's open-file dialog; an existing .exe file becomes
// the chosen program (full path in asss, file name in Text3).
void ChooseProgram(App& app);

// After a Yes, associates every ticked extension with the chosen program, rebuilds the
// lists and starts the pack's ZUV.exe; the chosen program is forgotten in every case.
void AssociateWithChosenProgram(App& app);

}  // namespace tzp::assoc
