#include <optional>
#include <string_view>
#include <vector>

#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/text.h"
#include "profiles/messages.h"
#include "profiles/profile_files.h"
#include "profiles/profile_name.h"
#include "profiles/profiles.h"
#include "ui/control_names.h"

namespace tzp::profiles {

namespace {

// The state file's text, read as the language files are (UTF-8 with its mark, else
// the ANSI code page); nullopt when there is no such file or it cannot be read.
std::optional<std::string> ReadStateFile(const PackServices& pack, const std::string& name) {
    if (!IsUsableProfileName(name)) {
        return std::nullopt;
    }
    const auto bytes = pack.sys.files.ReadAll(StateFilePath(pack, name));
    if (!bytes) {
        return std::nullopt;
    }
    return platform::DecodeTextFile(*bytes);
}

}  // namespace

std::string ReadProfileValue(const App& app, std::string_view id) {
    const auto content = ReadStateFile(app, app.form.Text(ui::kProfileBox));
    if (!content) {
        return std::string();
    }
    return FindStateValue(*content, id).value_or(std::string());
}

void PreviewProfile(App& app) {
    auto& form = app.form;
    if (form.Value(ui::kUnsavedChanges) == 1 &&
        app.sys.ui.Ask(lang::LookupMessageText(app, lang::kPreviewQuestionId,
                                               lang::text::kUpdateCheckCaption)) !=
            platform::Answer::Yes) {
        form.SetText(ui::kProfileBox, "");
        return;
    }
    const std::string name = form.Text(ui::kProfileBox);
    if (name.empty()) {
        return;
    }
    const auto content = ReadStateFile(app, name);
    if (!content) {
        // Showing the name over boxes that are not the profile's would let the apply
        // import its settings with the wrong filters.
        app.sys.ui.ShowMessage(NotFoundText(app, StateFilePath(app, name)));
        form.SetText(ui::kProfileBox, "");
        return;
    }
    // The profile's states are shown as they are stored: the boxes' own behaviours
    // (clearing the name, marking changes, the splitter group) must not run.
    const std::vector<std::string_view> lines = platform::SplitLineViews(*content);
    for (const auto& row : kStateRows) {
        const auto state = ParseBoxState(FindStateValue(lines, row.id).value_or(""));
        if (state) {
            form.SetValueQuietly(row.box, *state);
        }
    }
    form.SetValue(ui::kUnsavedChanges, 0);
}

}  // namespace tzp::profiles
