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
    CheckHelp,     // what /check does
    Matches,       // %1: the profile
    Differs,       // %1: the profile; the differences follow
    WantedFound,   // %1: what the profile wants, %2: what the PC has
    Absent,        // a value or key the registry does not have
    Present,       // a key the profile deletes and the registry has
    DefaultValue,  // the name of a key's default value
    Changed,       // what /apply did to a library or to the settings
    Unchanged,
    SettingsChanged,    // the import, when the registry differed from the profile before
    SettingsUnchanged,  // the import, when the registry held the profile's settings
    NothingChanged,     // the last line of an /apply that changed nothing
    ExportHelp,         // what /export-associations does
    Exported,           // %1: the file written
    NothingToExport,    // no extension is associated with a player
    ExportNotWritten,   // %1: the file, %2: why
    MissingFile,        // %1: the command
    Fault,              // %1: what went wrong inside the program
    DecodersHelp,       // what /decoders does
};

// The text, with "%1" replaced by `value`.
std::string Say(const App& app, Text text, std::string_view value = {});
// The text with "%1" and "%2" filled in one pass, so that a value holding "%2" stays.
std::string Say(const App& app, Text text, std::string_view first, std::string_view second);

// The text padded with spaces to a width in characters (one space at least), so that
// columns line up in a console.
std::string Padded(const std::string& text, size_t width);

// Text to the lines we write: every line, the last included, ends with CR LF.
std::string AsLines(std::string_view text);

}  // namespace tzp::cli
