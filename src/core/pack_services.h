#pragma once
// What code that never touches the window works with: the platform services and the
// pack directory (the folder of the program itself, without a trailing backslash). A
// function that takes this rather than an App says so in its signature: it reads and
// writes neither the window model nor the texts of the language file (the language in
// use is part of the model).
#include <string>

#include "platform/platform.h"

namespace tzp {

struct PackServices {
    platform::Platform& sys;
    std::string packDir;
};

}  // namespace tzp
