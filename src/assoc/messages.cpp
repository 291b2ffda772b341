#include "assoc/messages.h"

#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"

namespace tzp::assoc {

namespace {

std::string Fill(std::string_view text, std::string_view first, std::string_view second = {}) {
    return lang::Fill(text, {first, second});
}

}  // namespace

std::string ProgramTypeRefusedMessage(const App& app, std::string_view extension) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kProgramExtensionRefused), extension);
}

std::string ListNotSavedMessage(const App& app, std::string_view path, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kPersonalListNotSaved), path, reason);
}

std::string InvalidExtensionMessage(const App& app, std::string_view typed) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kBadExtension), typed);
}

std::string NotAssociatedMessage(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kExtensionsNotAssociated), lines);
}

std::string RefusedExtensionReason(const App& app) {
    return lang::LookupLangStringOr(app, lang::text::kNotAssociable);
}

std::string UserChoiceKeptQuestion(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kOpenElsewhere), lines);
}

std::string SettingsNotOpenedMessage(const App& app, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kDefaultAppsNotOpened), reason);
}

std::string RegisteredAppName(const App& app, std::string_view player) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kPlayerAppName), player);
}

std::string RegisteredAppDescription(const App& app, std::string_view player) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kPlayerAppDescription), player);
}

std::string NotRegisteredMessage(const App& app, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, lang::text::kPlayerNotListed), reason);
}

}  // namespace tzp::assoc
