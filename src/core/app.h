#pragma once
// What every handler works with, whichever way the program was started (the window or
// the command line): the window model, the platform services and the pack directory (the
// folder of the program itself, without a trailing backslash). It sits below the
// subsystems so that none of them depends on the shell that starts them.
#include <string>

#include "platform/platform.h"
#include "ui/form.h"

namespace tzp {

struct App {
    ui::Form& form;
    platform::Platform& sys;
    std::string packDir;
};

}  // namespace tzp
