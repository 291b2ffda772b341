#pragma once
// Paths and command lines as Windows reads them, for the checks that keep the program
// from loading or starting a file found along a search path.
#include <string_view>

namespace tzp::platform {

// A drive path ("C:\..." or "C:/...") or a UNC path ("\\server\..." or "//server/..."),
// with either slash. Everything else, "C:pack" and "\pack" included, depends on the
// current folder or drive.
bool IsAbsolutePath(std::string_view path);

// A command line's program and what follows it: a quoted program runs to its closing
// quote, an unquoted one to the first space or tab. `rest` starts right after the
// program (and its closing quote), unchanged.
struct CommandProgram {
    std::string_view program;
    std::string_view rest;
};
CommandProgram SplitCommandProgram(std::string_view commandLine);

// What follows a path's last backslash: the file's name; the whole text when it has none.
std::string_view FileName(std::string_view path);

// A program named without any folder ("cmd", "Rundll32.exe"), which Windows would look
// for along a search path that includes the current folder.
bool IsBareProgramName(std::string_view program);

}  // namespace tzp::platform
