#pragma once
// What every handler works with, whichever way the program was started (the window or
// the command line): the window model, the platform services and the pack directory (the
// folder of the program itself, without a trailing backslash). It sits below the
// subsystems so that none of them depends on the shell that starts them.
#include <optional>
#include <string>

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

struct App {
    ui::Form& form;
    platform::Platform& sys;
    std::string packDir;
    mutable LanguageFileCache languageFile{};
};

}  // namespace tzp
