#pragma once
// What the shell really starts once the associations are written. Windows keeps the
// user's own choice for an extension when that choice is protected, so a written class
// key does not always win; the user is told, instead of being told it all worked.
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"

namespace tzp::assoc {

struct OpensElsewhere {
    std::string extension;
    std::string program;  // what the shell starts instead
};

// Whether two program paths name the same file as far as their text tells: letter case
// and surrounding quotes aside.
bool SameProgram(std::string_view a, std::string_view b);

// The extensions among `written` (each once, whatever its letter case) for which the shell
// resolves another program than `program`. An extension the shell resolves to nothing is
// not listed: nothing tells that a user's choice holds it.
std::vector<OpensElsewhere> ExtensionsOpeningElsewhere(PackServices& pack, std::string_view program,
                                                       const std::vector<std::string>& written);

// Lists them with the program Windows will use and asks whether to open the system's
// default programs settings; opens them on Yes (on the pack's own entry where Windows
// can), and says so when they cannot be opened.
void OfferDefaultProgramsSettings(App& app, const std::vector<OpensElsewhere>& elsewhere);

}  // namespace tzp::assoc
