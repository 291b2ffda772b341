#include "profiles/messages.h"

#include "lang/lang.h"
#include "lang/text_ids.h"

namespace tzp::profiles {

namespace {

std::string WithLines(std::string text, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        text += "\n" + line;
    }
    return text;
}

}  // namespace

std::string NameRefusedText(const App& app) {
    return lang::LookupLangStringOr(app, lang::text::kBadProfileName);
}

std::string NotFoundText(const App& app, const std::string& path) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kProfileFileMissing), {path});
}

std::string NotSavedText(const App& app, const std::string& path, const std::string& reason) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kProfileNotSaved), {path, reason});
}

std::string LeftOutText(const App& app, const std::vector<std::string>& entries) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kSettingsLeftOut), entries);
}

std::string NotDeletedText(const App& app, const std::vector<std::string>& problems) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kProfileNotDeleted), problems);
}

std::string ImportRefusedText(const App& app, const std::string& path, const std::string& section) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kImportRefused), {path, section});
}

std::string NotRegistryFileText(const App& app, const std::string& path) {
    return WithLines(lang::LookupLangStringOr(app, lang::text::kNotRegistryFile), {path});
}

}  // namespace tzp::profiles
