#pragma once
// The words of the command line mode: from the language file when it has the id, else
// built in (French for "fr", English otherwise), like every message the pack's own
// language files lack.
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::cli {

enum class Text {
    Usage,           // "Usage:"
    WindowHelp,      // what the program does without arguments
    StatusHelp,      // what /status does
    ApplyHelp,       // what /apply does
    SaveHelp,        // what /save does
    UsageHelp,       // what /? does
    ExitCodes,       // the exit codes, in one line
    UnknownCommand,  // %1: the argument
    MissingName,     // %1: the command
    ExtraArgument,   // %1: the argument
    Language,        // the /status labels
    InstallationDir,
    Player,
    ProfileImported,  // the settings of the applied profile are in the registry
    Profiles,
    Registered,
    NotRegistered,
    PackNotFound,  // %1: the installation directory as read
    Register,      // what /apply asked of a library
    Unregister,
};

// The text, with "%1" replaced by `value`.
std::string Say(const App& app, Text text, std::string_view value = {});

// The text padded with spaces to a width in characters (one space at least), so that
// columns line up in a console.
std::string Padded(const std::string& text, size_t width);

// Text to the lines we write: every line, the last included, ends with CR LF.
std::string AsLines(std::string_view text);

}  // namespace tzp::cli
