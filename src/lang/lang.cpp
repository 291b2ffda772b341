#include "lang/lang.h"

#include <optional>

#include "platform/lines.h"
#include "platform/text.h"
#include "ui/control_names.h"

namespace tzp::lang {

namespace {

// Every lookup reads the file anew, except inside the load sequence: that one makes
// a hundred and more lookups within a moment, and reads the file once for them all (and
// again only when the language code, and with it the path, changes).
const std::optional<std::string>& ReadLangFile(const App& app) {
    auto& cache = app.languageFile;
    std::string path = LangFilePath(app, app.form.Text(ui::kLanguageCode));
    if (!cache.readOnce || !cache.read || cache.path != path) {
        const auto bytes = app.sys.files.ReadAll(path);
        cache.text = bytes ? std::optional(platform::DecodeTextFile(*bytes)) : std::nullopt;
        cache.path = std::move(path);
        cache.read = true;
    }
    return cache.text;
}

}  // namespace

ReadOnceScope::ReadOnceScope(const App& app) : app_(app) {
    app_.languageFile = LanguageFileCache{};
    app_.languageFile.readOnce = true;
}

ReadOnceScope::~ReadOnceScope() {
    app_.languageFile = LanguageFileCache{};
}

std::string LangFilePath(const PackServices& pack, std::string_view code) {
    return pack.packDir + "\\Langs\\" + std::string(code) + ".ini";
}

bool HasLanguageFile(const App& app) {
    // A file that exists but cannot be read (locked, no access) counts as missing.
    return ReadLangFile(app).has_value();
}

std::string FindLangLine(std::string_view content, std::string_view id) {
    return platform::FindIdLine(content, id).value_or(std::string());
}

std::string LookupLangString(const App& app, std::string_view id) {
    const auto& content = ReadLangFile(app);
    return content ? FindLangLine(*content, id) : std::string();
}

std::string LookupLangStringOr(const App& app, std::string_view id, std::string_view english,
                               std::string_view french) {
    if (const auto& content = ReadLangFile(app)) {
        if (auto text = platform::FindIdLine(*content, id)) {
            return *text;
        }
    }
    return std::string(app.form.Text(ui::kLanguageCode) == "fr" ? french : english);
}

std::string LookupLangStringOr(const App& app, BuiltinId id) {
    const BuiltinText& builtin = Builtin(id);
    return LookupLangStringOr(app, builtin.id, builtin.english, builtin.french);
}

std::string LookupMessageText(const App& app, std::string_view messageId,
                              std::string_view sharedId) {
    if (const auto& content = ReadLangFile(app)) {
        if (auto text = platform::FindIdLine(*content, messageId)) {
            return *text;
        }
        return FindLangLine(*content, sharedId);
    }
    return {};
}

}  // namespace tzp::lang
