#pragma once
// Which program an extension opens with, as the registry says, reduced to a short name.
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::assoc {

// Where Explorer keeps the user's own choices for an extension.
inline constexpr std::string_view kFileExtsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

// The verb a ProgID's shell key names; "open" when it names none.
std::string DefaultVerb(PackServices& pack, std::string_view progId);

// The short name of the program a shell command runs: the text after the command's
// last backslash, cut before its last ".exe" ("mplayerc" for "C:\MPC\mplayerc.exe" "%1").
// A command whose last part holds no ".exe" (a program of another type, or arguments
// holding a path) is named by its program's file name without extension. A missing
// command ("Erreur") gives `notAssociated`. The name, `notAssociated` included, never
// holds " (", so the entry it goes into still tells its extension apart.
std::string ProgramNameFromCommand(std::string_view command, std::string_view notAssociated);

// The ProgID an extension opens with as the panel reads it: the user's Explorer ProgID,
// or else the class key's; nullopt when neither names one.
std::optional<std::string> OpeningProgId(PackServices& pack, std::string_view extension);

// The command of a ProgID's default verb; "Erreur" when it has none.
std::string ProgIdCommand(PackServices& pack, std::string_view progId);

// The program name for an extension: the user's Explorer ProgID, or else the class
// key's ProgID, its default verb and that verb's command. Reads only; the text for
// an extension that opens with nothing comes from `errr`.
std::string ReadAssociation(App& app, std::string_view extension);

}  // namespace tzp::assoc
