#pragma once
#include <string>
#include <string_view>

#include "core/app.h"
#include "lang/builtin_texts.h"

namespace tzp::lang {

// While one lives, lookups read the language file once for each language code instead
// of once for each text. The load sequence holds one; every other lookup reads anew.
class ReadOnceScope {
  public:
    explicit ReadOnceScope(const App& app);
    ~ReadOnceScope();
    ReadOnceScope(const ReadOnceScope&) = delete;
    ReadOnceScope& operator=(const ReadOnceScope&) = delete;

  private:
    const App& app_;
};

// The language file of a language code: pack directory + "\Langs\" + code + ".ini".
std::string LangFilePath(const PackServices& pack, std::string_view code);

// Whether the current language file (the code held in `langg`) can be read. Without
// one, the window keeps its built-in words rather than showing empty ones.
bool HasLanguageFile(const App& app);

// The text of a string id in a language file's content: the first line whose first
// three characters equal the id gives the line without its first four characters.
// Empty when no line matches.
std::string FindLangLine(std::string_view content, std::string_view id);

// The text of a string id in the current language file (the code held in `langg`).
// The file is read anew on every call (see ReadOnceScope); an absent id or a file that
// cannot be read gives the empty text.
std::string LookupLangString(const App& app, std::string_view id);

// For messages that the pack's language files lack: the text of the id when the file
// has it, else the built-in text of lang/builtin_texts.cpp in French (language "fr") or
// English.
std::string LookupLangStringOr(const App& app, BuiltinId id);

// The same with the fallback texts given by the caller.
std::string LookupLangStringOr(const App& app, std::string_view id, std::string_view english,
                               std::string_view french);

// For the two ids that serve both as a button caption and as a message: the text of
// `messageId` when the language file has it, else that of `sharedId`, as the pack's
// older language files only know the shared one.
std::string LookupMessageText(const App& app, std::string_view messageId,
                              std::string_view sharedId);

// The messages that share their ids with button captions.
inline constexpr const char* kPreviewQuestionId = "080";  // shares "045" (Command9)
inline constexpr const char* kExeRefusedId = "081";       // shares "046" (Command10)

}  // namespace tzp::lang
