#pragma once
// Making ticked extensions open with a chosen program.
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "core/app.h"

namespace tzp::assoc {

// The command written for the program: its quoted path, a space and the quoted "%1".
std::string AssociationCommand(std::string_view program);
// The icon written for the program: its quoted path and ",0", its first icon.
std::string AssociationIcon(std::string_view program);

// The ProgID given to an extension whose class key names none, so that the extension
// really opens with the chosen program: "TessalyZivozodPack" + extension.
std::string CreatedProgId(std::string_view extension);

// Points the extension's ProgID at the program: the ProgID's command (under its default
// verb, or "open") becomes the quoted path and the quoted "%1", its icon the program's
// first icon; then the user's own Explorer choice for the extension is removed so that
// the class key governs again. An extension whose class key names no ProgID gets one.
// Stops at the first refused write, before the user's choice is touched. Last, the
// ProgID is listed under the extension's OpenWithProgids, so that the shell offers the
// program in "Open with" and in its default apps choices.
platform::Status WriteAssociation(App& app, std::string_view program, std::string_view extension);

struct NotAssociated {
    std::string extension;
    std::string reason;
};

// Every ticked entry of List1, List2 and List3 in turn, with the program held in asss.
// Entries that cannot be written are returned; the others are written all the same, and
// their extensions added to `written` when given, once per entry.
std::vector<NotAssociated> AssociateTickedExtensions(App& app,
                                                     std::vector<std::string>* written = nullptr);

}  // namespace tzp::assoc
