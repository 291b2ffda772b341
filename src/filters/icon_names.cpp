#include <array>

#include "filters/catalogue.h"
#include "filters/filters.h"
#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "ui/control_names.h"

namespace tzp::filters {

namespace {

struct IconSubject {
    const char* icon;
    const char* box;    // the filter box whose filter the icon configures
    const char* label;  // the label under the icon that adds what part it opens; "" none
};

constexpr auto kConfigureIcons = std::to_array<IconSubject>({
    {"Picture7", "Check6", "Label555"},
    {"Picture8", "Check6", "Label5"},
    {"Picture9", "Check6", "Label55"},
    {"Picture3", "Check6", "Label18"},
    {"Picture26", "Check6", "Label19"},
    {"Picture5", "Check11", ""},
    {"Picture4", "Check10", ""},
    {"Picture24", "Check9", ""},
    {"Picture2", "Check12", ""},
    {"Picture6", "Check13", ""},
    {"Picture22", "Check70", ""},
});

// A language file's sentence with "%1" standing for the subject; a translation that
// left the mark out still names the subject, after its words.
std::string Fill(const std::string& sentence, const std::string& subject) {
    if (sentence.find("%1") == std::string::npos) {
        return sentence + " " + subject;
    }
    return lang::Fill(sentence, {subject});
}

}  // namespace

void NameIcons(App& app) {
    auto& form = app.form;
    const std::string name = lang::LookupLangStringOr(app, lang::text::kFilterSettingsName);
    const std::string tip = lang::LookupLangStringOr(app, lang::text::kFilterSettingsTip);
    for (const auto& icon : kConfigureIcons) {
        std::string subject(Row(icon.box).displayName);
        if (*icon.label != '\0') {
            subject += " " + form.Caption(icon.label);
        }
        form.SetCaption(icon.icon, Fill(name, subject));
        form.SetTooltip(icon.icon, Fill(tip, subject));
    }
    // FFDshow's own icon explains where its settings are; the player's starts the player.
    form.SetCaption(ui::kFfdshowHelpIcon, std::string(Row(ui::kFfdshowBox).displayName));
    form.SetTooltip(ui::kFfdshowHelpIcon, lang::LookupLangString(app, lang::text::kFfdshowHelp));
    form.SetCaption(ui::kPlayerIcon, form.Caption(kPlayerLabel));
    form.SetTooltip(ui::kPlayerIcon, lang::LookupLangStringOr(app, lang::text::kPlayerTip));
}

}  // namespace tzp::filters
