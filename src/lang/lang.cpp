#include "lang/lang.h"

#include <optional>

#include "platform/text.h"

namespace tzp::lang {

namespace {

std::optional<std::string> FindLine(std::string_view content, std::string_view id) {
    for (const auto& line : platform::SplitLines(content)) {
        // Only the first three characters are compared; the fourth is a separator
        // whatever it is, and the text is taken as it stands.
        if (line.size() >= 3 && std::string_view(line).substr(0, 3) == id) {
            return line.size() > 4 ? line.substr(4) : std::string();
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadLangFile(const App& app) {
    const auto bytes = app.sys.files.ReadAll(LangFilePath(app, app.form.Text("langg")));
    if (!bytes) {
        return std::nullopt;
    }
    return platform::DecodeTextFile(*bytes);
}

}  // namespace

std::string LangFilePath(const App& app, std::string_view code) {
    return app.packDir + "\\Langs\\" + std::string(code) + ".ini";
}

bool HasLanguageFile(const App& app) {
    return app.sys.files.FileExists(LangFilePath(app, app.form.Text("langg")));
}

std::string FindLangLine(std::string_view content, std::string_view id) {
    return FindLine(content, id).value_or(std::string());
}

std::string LookupLangString(const App& app, std::string_view id) {
    const auto content = ReadLangFile(app);
    return content ? FindLangLine(*content, id) : std::string();
}

std::string LookupLangStringOr(const App& app, std::string_view id, std::string_view english,
                               std::string_view french) {
    if (const auto content = ReadLangFile(app)) {
        if (auto text = FindLine(*content, id)) {
            return *text;
        }
    }
    return std::string(app.form.Text("langg") == "fr" ? french : english);
}

std::string FillPlaceholders(std::string_view text, std::string_view first,
                             std::string_view second) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string LookupMessageText(const App& app, std::string_view messageId,
                              std::string_view sharedId) {
    if (const auto content = ReadLangFile(app)) {
        if (auto text = FindLine(*content, messageId)) {
            return *text;
        }
        return FindLangLine(*content, sharedId);
    }
    return {};
}

}  // namespace tzp::lang
