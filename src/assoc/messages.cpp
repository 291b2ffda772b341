#include "assoc/messages.h"

#include "lang/fill.h"
#include "lang/lang.h"

namespace tzp::assoc {

namespace {

std::string Fill(std::string_view text, std::string_view first, std::string_view second = {}) {
    return lang::Fill(text, {first, second});
}

}  // namespace

std::string ProgramTypeRefusedMessage(const App& app, std::string_view extension) {
    return Fill(lang::LookupLangStringOr(app, "070"), extension);
}

std::string ListNotSavedMessage(const App& app, std::string_view path, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, "071"), path, reason);
}

std::string InvalidExtensionMessage(const App& app, std::string_view typed) {
    return Fill(lang::LookupLangStringOr(app, "072"), typed);
}

std::string NotAssociatedMessage(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(app, "073"), lines);
}

std::string RefusedExtensionReason(const App& app) {
    return lang::LookupLangStringOr(app, "074");
}

std::string UserChoiceKeptQuestion(const App& app, std::string_view lines) {
    return Fill(lang::LookupLangStringOr(app, "134"), lines);
}

std::string SettingsNotOpenedMessage(const App& app, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, "135"), reason);
}

std::string RegisteredAppName(const App& app, std::string_view player) {
    return Fill(lang::LookupLangStringOr(app, "152"), player);
}

std::string RegisteredAppDescription(const App& app, std::string_view player) {
    return Fill(lang::LookupLangStringOr(app, "153"), player);
}

std::string NotRegisteredMessage(const App& app, std::string_view reason) {
    return Fill(lang::LookupLangStringOr(app, "154"), reason);
}

}  // namespace tzp::assoc
