#include "assoc/shell_check.h"

#include <algorithm>

#include "assoc/messages.h"
#include "assoc/settings_page.h"
#include "platform/text.h"

namespace tzp::assoc {

namespace {

std::string_view Unquoted(std::string_view path) {
    while (!path.empty() && (path.front() == ' ' || path.front() == '"')) {
        path.remove_prefix(1);
    }
    while (!path.empty() && (path.back() == ' ' || path.back() == '"')) {
        path.remove_suffix(1);
    }
    return path;
}

}  // namespace

bool SameProgram(std::string_view a, std::string_view b) {
    return platform::EqualsNoCase(Unquoted(a), Unquoted(b));
}

std::vector<OpensElsewhere> ExtensionsOpeningElsewhere(PackServices& pack, std::string_view program,
                                                       const std::vector<std::string>& written) {
    std::vector<OpensElsewhere> elsewhere;
    std::vector<std::string> asked;
    for (const auto& extension : written) {
        const bool seen = std::any_of(asked.begin(), asked.end(), [&](const std::string& done) {
            return platform::EqualsNoCase(done, extension);
        });
        if (seen) {
            continue;
        }
        asked.push_back(extension);
        const auto resolved = pack.sys.shell.AssociatedProgram(extension);
        if (resolved && !SameProgram(*resolved, program)) {
            elsewhere.push_back({extension, *resolved});
        }
    }
    return elsewhere;
}

void OfferDefaultProgramsSettings(App& app, const std::vector<OpensElsewhere>& elsewhere) {
    std::string lines;
    for (const auto& item : elsewhere) {
        lines += item.extension + ": " + item.program + "\r\n";
    }
    if (app.sys.ui.Ask(UserChoiceKeptQuestion(app, lines)) != platform::Answer::Yes) {
        return;
    }
    if (const auto status = OpenDefaultAppsSettings(app); !status.ok()) {
        app.sys.ui.ShowMessage(
            SettingsNotOpenedMessage(app, app.sys.errors.Describe(status.error)));
    }
}

}  // namespace tzp::assoc
