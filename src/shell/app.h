#pragma once
// What every handler works with: the window model, the platform services and the
// pack directory (the folder of the program itself, without a trailing backslash).
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
