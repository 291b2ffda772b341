#include "assoc/write_association.h"

#include <array>

#include "assoc/entries.h"
#include "assoc/extension_check.h"
#include "assoc/messages.h"
#include "assoc/read_association.h"
#include "platform/reg.h"
#include "ui/control_names.h"

namespace tzp::assoc {

namespace {

using platform::kErreur;
using platform::kRootClasses;
using platform::kRootCurrentUser;
using platform::Status;

constexpr int32_t kRegSz = 0;

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

// The class key's ProgID, made when the key names none: otherwise the writes below
// would land on "Erreur\shell\..." (or on HKCR\shell for an empty name) and the
// extension would stay as it was.
Status ClassProgId(App& app, const std::string& extension, std::string& progId) {
    progId = platform::ReadRegValue(app.sys.registry, kRootClasses, extension + "\\", kErreur);
    if (progId != kErreur && !progId.empty()) {
        return Status::Ok();
    }
    progId = CreatedProgId(extension);
    return platform::WriteRegValue(app.sys.registry, kRootClasses, extension + "\\", progId,
                                   kRegSz);
}

}  // namespace

std::string AssociationCommand(std::string_view program) {
    return Quoted(program) + " " + Quoted("%1");
}

std::string AssociationIcon(std::string_view program) {
    return Quoted(program) + ",0";
}

std::string CreatedProgId(std::string_view extension) {
    std::string progId = "TessalyZivozodPack";
    progId += extension;
    return progId;
}

Status WriteAssociation(App& app, std::string_view program, std::string_view extension) {
    auto& registry = app.sys.registry;
    const std::string ext(extension);
    std::string progId;
    if (auto status = ClassProgId(app, ext, progId); !status.ok()) {
        return status;
    }
    const std::string verb = DefaultVerb(app, progId);
    const std::string command = AssociationCommand(program);
    if (auto status = platform::WriteRegValue(
            registry, kRootClasses, progId + "\\shell\\" + verb + "\\command\\", command, kRegSz);
        !status.ok()) {
        return status;
    }
    if (auto status = platform::WriteRegValue(registry, kRootClasses, progId + "\\DefaultIcon\\",
                                              AssociationIcon(program), kRegSz);
        !status.ok()) {
        return status;
    }
    const std::string userKey = std::string(kFileExtsKey) + ext;
    platform::DeleteRegEntry(registry, kRootCurrentUser, userKey + "\\ProgID");
    platform::DeleteRegEntry(registry, kRootCurrentUser, userKey + "\\UserChoice\\");
    // An empty value named after the ProgID. The extension already opens with the
    // program; this only adds it to the shell's offers, so a refusal changes nothing
    // the user was promised and is not reported.
    (void)platform::WriteRegValue(registry, kRootClasses, ext + "\\OpenWithProgids\\" + progId, "",
                                  kRegSz);
    return Status::Ok();
}

std::vector<NotAssociated> AssociateTickedExtensions(App& app, std::vector<std::string>* written) {
    std::vector<NotAssociated> failures;
    const std::string program = app.form.Text(ui::kChosenPlayer);
    for (const auto list : std::array{ui::kVideoList, ui::kAudioList, ui::kPersonalList}) {
        for (const auto& entry : app.form.Entries(list)) {
            if (!entry.ticked) {
                continue;
            }
            const std::string extension = ExtensionPart(entry.text);
            // Personal lines come from a file that may have been edited by hand.
            if (!IsAcceptableExtension(extension) || IsProgramType(extension)) {
                failures.push_back({extension, RefusedExtensionReason(app)});
                continue;
            }
            if (const auto status = WriteAssociation(app, program, extension); !status.ok()) {
                failures.push_back({extension, app.sys.errors.Describe(status.error)});
            } else if (written != nullptr) {
                written->push_back(extension);
            }
        }
        app.sys.ui.DoEvents();
    }
    return failures;
}

}  // namespace tzp::assoc
