#pragma once
// The program as a whole, for an entry point to run: the control panel's own, or the
// start-up benchmark's build of it, which installs its step sink first.
#include <windows.h>

namespace tzp::app {

// The window, a command, or the registration host, as the command line asks; returns the
// process's exit code.
int RunProgram(HINSTANCE instance, int showCommand);

}  // namespace tzp::app
