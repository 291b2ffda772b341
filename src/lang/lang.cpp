#include "lang/lang.h"

#include <optional>

#include "platform/text.h"
#include "platform/utf8.h"

namespace tzp::lang {

namespace {

// The text of a line that starts with the id: the line after the id and one separator
// character. The content is UTF-8 by now, so a separator outside ASCII is several bytes,
// and all of them go.
std::string TextAfterSeparator(std::string_view line) {
    if (line.size() <= 4) {
        return {};
    }
    return std::string(line.substr(platform::Utf8CharacterEnd(line, 3)));
}

// Walks the content line by line without copying it: a line ends at a carriage return,
// optionally followed by a line feed, as platform::SplitLines has it.
std::optional<std::string> FindLine(std::string_view content, std::string_view id) {
    while (!content.empty()) {
        const size_t end = content.find('\r');
        const std::string_view line = content.substr(0, end);
        // Only the first three characters are compared; the fourth is a separator
        // whatever it is, and the text is taken as it stands.
        if (line.size() >= 3 && line.substr(0, 3) == id) {
            return TextAfterSeparator(line);
        }
        if (end == std::string_view::npos) {
            break;
        }
        content.remove_prefix(end + 1);
        if (!content.empty() && content.front() == '\n') {
            content.remove_prefix(1);
        }
    }
    return std::nullopt;
}

// Every lookup reads the file anew, except inside the load sequence: that one makes
// a hundred and more lookups within a moment, and reads the file once for them all (and
// again only when the language code, and with it the path, changes).
const std::optional<std::string>& ReadLangFile(const App& app) {
    auto& cache = app.languageFile;
    std::string path = LangFilePath(app, app.form.Text("langg"));
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

std::string LangFilePath(const App& app, std::string_view code) {
    return app.packDir + "\\Langs\\" + std::string(code) + ".ini";
}

bool HasLanguageFile(const App& app) {
    // A file that exists but cannot be read (locked, no access) counts as missing.
    return ReadLangFile(app).has_value();
}

std::string FindLangLine(std::string_view content, std::string_view id) {
    return FindLine(content, id).value_or(std::string());
}

std::string LookupLangString(const App& app, std::string_view id) {
    const auto& content = ReadLangFile(app);
    return content ? FindLangLine(*content, id) : std::string();
}

std::string LookupLangStringOr(const App& app, std::string_view id, std::string_view english,
                               std::string_view french) {
    if (const auto& content = ReadLangFile(app)) {
        if (auto text = FindLine(*content, id)) {
            return *text;
        }
    }
    return std::string(app.form.Text("langg") == "fr" ? french : english);
}

std::string LookupLangStringOr(const App& app, BuiltinId id) {
    const BuiltinText& builtin = Builtin(id);
    return LookupLangStringOr(app, builtin.id, builtin.english, builtin.french);
}

std::string LookupMessageText(const App& app, std::string_view messageId,
                              std::string_view sharedId) {
    if (const auto& content = ReadLangFile(app)) {
        if (auto text = FindLine(*content, messageId)) {
            return *text;
        }
        return FindLangLine(*content, sharedId);
    }
    return {};
}

}  // namespace tzp::lang
