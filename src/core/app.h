#pragma once
// What every handler works with, whichever way the program was started (the window or
// the command line): the pack services, the window model and the language file as last
// read. It sits below the subsystems so that none of them depends on the shell that
// starts them. Code that never touches the window takes the narrower PackServices (an
// App binds to it as it is).
#include <optional>
#include <string>
#include <utility>

#include "core/pack_services.h"
#include "platform/platform.h"
#include "ui/form.h"

namespace tzp {

// The language file as it was last read: its path, and its text (none when it could not
// be read). While `readOnce` is set (the load sequence) lookups take the text from here
// as long as the path stays the same; the language module owns it.
struct LanguageFileCache {
    bool readOnce = false;
    bool read = false;
    std::string path;
    std::optional<std::string> text;
};

struct App : PackServices {
    App(ui::Form& form, platform::Platform& sys, std::string packDir)
        : PackServices{sys, std::move(packDir)}, form(form) {}

    ui::Form& form;
    mutable LanguageFileCache languageFile{};
};

}  // namespace tzp
