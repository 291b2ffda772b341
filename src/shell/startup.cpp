#include "shell/startup.h"

#include <array>

#include "about/about.h"
#include "assoc/assoc.h"
#include "filters/filters.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/reg.h"
#include "profiles/apply.h"
#include "profiles/profiles.h"
#include "shell/shutdown.h"
#include "core/step_marks.h"
#include "shell/tabs.h"
#include "ui/control_names.h"

namespace tzp::shell {

namespace {

struct CaptionSource {
    const char* id;
    const char* control;
    int tab;  // 1 to 3 for a tab of TabStrip1, else 0
};

// The order in which the captions are looked up and set.
constexpr auto kCaptions = std::to_array<CaptionSource>({
    {"001", "TabStrip1", 1}, {"002", "TabStrip1", 2}, {"003", "TabStrip1", 3},
    {"004", "Frame6", 0},    {"005", "Frame5", 0},    {"024", "Frame7", 0},
    {"007", "Command1", 0},  {"008", "Command2", 0},  {"009", "Command3", 0},
    {"025", "Frame8", 0},    {"026", "Frame9", 0},    {"027", "Frame11", 0},
    {"028", "Frame10", 0},   {"013", "Command6", 0},  {"014", "Command8", 0},
    {"010", "Command4", 0},  {"011", "Command5", 0},  {"012", "Command7", 0},
    {"045", "Command9", 0},  {"046", "Command10", 0}, {"036", "Frame13", 0},
    {"042", "Label2", 0},    {"998", "Label3", 0},    {"049", "Label4", 0},
    {"050", "Label6", 0},    {"051", "Label7", 0},    {"052", "Label8", 0},
    {"053", "Label9", 0},    {"054", "Label10", 0},   {"055", "Label11", 0},
    {"997", "Label12", 0},   {"056", "Label13", 0},   {"057", "Label14", 0},
    {"058", "Label15", 0},   {"059", "Label17", 0},   {"006", "Label16", 0},
});

}  // namespace

void WireForm(App& app) {
    WireTabs(app);
    WireShutdown(app);
    filters::WireFilters(app);
    profiles::WireProfiles(app);
    profiles::WireApply(app);
    assoc::WireAssociations(app);
    about::WireAbout(app);
}

void SetCaptionsFromLanguage(App& app) {
    if (!lang::HasLanguageFile(app)) {
        return;
    }
    for (const auto& source : kCaptions) {
        const std::string text = lang::LookupLangString(app, source.id);
        if (source.tab != 0) {
            app.form.SetEntryText(source.control, static_cast<size_t>(source.tab - 1), text);
        } else {
            app.form.SetCaption(source.control, text);
        }
    }
}

void RunLoadSequence(App& app) {
    auto& form = app.form;
    auto& registry = app.sys.registry;
    const lang::ReadOnceScope languageFileReadOnce(app);

    // 1-2. The language: the registry's code when its file exists, else "en".
    form.SetText(ui::kLanguageCode, platform::ReadRegValue(registry, platform::kRootCurrentUser,
                                                           kLanguageValue, platform::kErreur));
    if (!app.sys.files.FileExists(lang::LangFilePath(app, form.Text(ui::kLanguageCode)))) {
        form.SetText(ui::kLanguageCode, "en");
    }
    core::StepDone("1-2 language code");
    // 3. The window's size is fixed by the native window (8025 x 8600 twips).
    // 4. The first tab; the design positions already are the filters page.
    form.SelectTab(ui::kTabs, 1);
    core::StepDone("3-4 first tab");
    // 5. The installation directory, always with a trailing backslash.
    form.SetText(ui::kFilterPath, platform::ReadRegValue(registry, platform::kRootCurrentUser,
                                                         kPackKey, platform::kErreur) +
                                      "\\");
    core::StepDone("5 installation directory");
    // 6. The text shown for an extension that opens with nothing.
    form.SetText(ui::kNoProgramText, lang::LookupLangString(app, lang::text::kNoProgram));
    core::StepDone("6 text 029");
    // 7. The video and audio lists.
    assoc::FillCatalogueLists(app);
    core::StepDone("7 video and audio lists");
    // 8. Versions of the player and of every filter library.
    filters::SetVersionCaptions(app);
    core::StepDone("8 version captions");
    // 9. Registration detection; its ticks run the boxes' behaviours.
    filters::DetectRegistrations(app);
    core::StepDone("9 registration detection");
    // 10. The personal extensions.
    assoc::FillPersonalList(app);
    core::StepDone("10 personal list");
    // 11. Captions.
    SetCaptionsFromLanguage(app);
    filters::NameIcons(app);
    core::StepDone("11 captions");
    // 12. Detection marked changes; a freshly started window has none.
    form.SetValue(ui::kUnsavedChanges, 0);
    core::StepDone("12 change flag");
    // 13. The saved profiles.
    profiles::RefreshProfileList(app);
    core::StepDone("13 profile list");
}

}  // namespace tzp::shell
