#include "profiles/messages.h"

#include "lang/lang.h"

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
    return lang::LookupLangStringOr(app, "065");
}

std::string NotFoundText(const App& app, const std::string& path) {
    return WithLines(lang::LookupLangStringOr(app, "066"), {path});
}

std::string NotSavedText(const App& app, const std::string& path, const std::string& reason) {
    return WithLines(lang::LookupLangStringOr(app, "067"), {path, reason});
}

std::string LeftOutText(const App& app, const std::vector<std::string>& entries) {
    return WithLines(lang::LookupLangStringOr(app, "068"), entries);
}

std::string NotDeletedText(const App& app, const std::vector<std::string>& problems) {
    return WithLines(lang::LookupLangStringOr(app, "069"), problems);
}

std::string ImportRefusedText(const App& app, const std::string& path, const std::string& section) {
    return WithLines(lang::LookupLangStringOr(app, "120"), {path, section});
}

std::string NotRegistryFileText(const App& app, const std::string& path) {
    return WithLines(lang::LookupLangStringOr(app, "136"), {path});
}

}  // namespace tzp::profiles
