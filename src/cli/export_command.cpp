#include "cli/export_command.h"

#include "assoc/default_associations.h"
#include "assoc/registered_app.h"
#include "cli/texts.h"

namespace tzp::cli {

ExitCode ExportAssociationsCommand(App& app, const std::string& file,
                                   platform::StandardOutput& output) {
    const auto application = assoc::ReadRegisteredApplication(app);
    // An empty file, once imported, would replace whatever defaults the administrator
    // set before with none: refused, so that a script that deploys it stops here.
    if (!application || application->associations.empty()) {
        output.Err(AsLines(Say(app, Text::NothingToExport)));
        return kNothingToExport;
    }
    const auto status =
        app.sys.files.WriteAllAtomic(file, assoc::DefaultAssociationsXml(*application));
    if (!status.ok()) {
        output.Err(
            AsLines(Say(app, Text::ExportNotWritten, file, app.sys.errors.Describe(status.error))));
        return ExitCode::SomeFailed;
    }
    output.Out(AsLines(Say(app, Text::Exported, file)));
    return ExitCode::Done;
}

}  // namespace tzp::cli
