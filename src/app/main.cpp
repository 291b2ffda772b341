// The control panel's entry point.
#include <windows.h>

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return tzp::app::RunProgram(instance, showCommand);
}
