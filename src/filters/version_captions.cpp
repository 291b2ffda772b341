#include <optional>
#include <string>

#include "filters/catalogue.h"
#include "filters/filters.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/file_version.h"
#include "platform/reg.h"
#include "platform/text.h"
#include "ui/control_names.h"

namespace tzp::filters {

// "Erreur" and "version" become the language's words; the second replacement also
// reaches a "version" that the first one brought in. With no language file at all the
// words stay as they are, like every other built-in caption.
std::string LocalisedVersionText(const App& app, const std::string& versionText) {
    if (!lang::HasLanguageFile(app)) {
        return versionText;
    }
    const std::string missing = platform::ReplaceAll(
        versionText, platform::kErreur, lang::LookupLangString(app, lang::text::kNotInstalled));
    return platform::ReplaceAll(missing, "version",
                                lang::LookupLangString(app, lang::text::kVersionWord));
}

namespace {

std::string VersionOf(PackServices& pack, const std::string& path) {
    platform::FileVersionTexts texts;
    platform::ReadFileVersionInfo(pack.sys.versions, path, texts);
    return texts.version;
}

void CaptionFilterRow(App& app, const FilterRow& row) {
    const std::string version = VersionOf(app, InstalledPath(app, row.library));
    if (version == platform::kErreur) {
        // Missing, or not a library we can tell anything about: shown, but greyed.
        app.form.SetEnabled(row.box, false);
    }
    app.form.SetCaption(row.box,
                        std::string(row.captionPrefix) + LocalisedVersionText(app, version) + ")");
}

}  // namespace

std::optional<std::string> ShownVersion(const App& app, const FilterRow& row) {
    // The caption holds the version read at start-up; reading the library again would
    // cost start-up time for nothing. The splitter members have fixed captions, and
    // their versions are not read at all: a version read costs more than the whole
    // registration detection.
    const std::string& caption = app.form.Caption(row.box);
    if (row.captionPrefix.empty() || !caption.starts_with(row.captionPrefix) ||
        !caption.ends_with(')')) {
        return std::nullopt;
    }
    return caption.substr(row.captionPrefix.size(), caption.size() - row.captionPrefix.size() - 1);
}

void SetVersionCaptions(App& app) {
    const std::string player = VersionOf(app, InstalledPath(app, kPlayerVersionFile));
    app.form.SetCaption(
        kPlayerLabel, std::string(kPlayerCaptionPrefix) + LocalisedVersionText(app, player) + ")");

    for (const auto box : CaptionOrder()) {
        CaptionFilterRow(app, Row(box));
        if (box == ui::kFfdshowBox) {
            // The labels under FFDshow's configure icons never come from a language file.
            app.form.SetCaption(ui::kFfdshowAudioLabel, "Audio");
            app.form.SetCaption(ui::kFfdshowVfwLabel, "VFW");
            app.form.SetCaption(ui::kFfdshowVideoLabel, "Video");
        }
    }
}

}  // namespace tzp::filters
