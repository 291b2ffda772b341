#pragma once
// The command line: none opens the window; a command runs without one and ends with
// an exit code for the script that called it.
#include <span>
#include <string>

namespace tzp::cli {

// What a deployment script reads from the program's exit code.
enum class ExitCode : int {
    Done = 0,
    SomeFailed = 1,       // done, but a library or the settings import failed
    WrongUsage = 2,       // the command line is not understood
    NoSuchProfile = 3,    // no such profile, or a name that cannot be a file
    PackNotFound = 4,     // the installation or the pack's profile folder cannot be found
    FilesUnreadable = 5,  // /check: the profile's files cannot be read or are refused
    Fault = 6,            // the program itself failed (a fault of its own, not of the PC)
};

// /export-associations: no extension is associated with a player, so there is nothing to
// export (the code of NoSuchProfile, which that command never gives).
inline constexpr ExitCode kNothingToExport = ExitCode::NoSuchProfile;

// /check: the PC differs from the profile (the code of SomeFailed, which /check never
// gives).
inline constexpr ExitCode kDiffers = ExitCode::SomeFailed;

enum class Command {
    Window,
    Usage,
    Status,
    Apply,
    Check,
    Save,
    ExportAssociations,
    Decoders,
    Wrong
};

enum class UsageProblem { None, UnknownCommand, MissingName, MissingFile, ExtraArgument };

struct Invocation {
    Command command = Command::Window;
    bool json = false;  // /status, /decoders, /apply and /check with /json
    std::string name;   // the profile of /apply, /check and /save, the file of
                        // /export-associations, as given
    UsageProblem problem = UsageProblem::None;
    std::string argument;  // the argument a problem is about
};

// `arguments` are the program's arguments in UTF-8, without the program's own name.
// Commands and options start with "/" or "-" and are read without regard to letter
// case; a profile name is taken as it is, whatever it starts with.
Invocation ParseArguments(std::span<const std::string> arguments);

}  // namespace tzp::cli
