#pragma once
// Messages of the associations tab that the pack's language files do not carry: each
// has its own string id, with a built-in English and French text for files that lack it.
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::assoc {

// "070": a typed extension of a program type was refused.
std::string ProgramTypeRefusedMessage(const App& app, std::string_view extension);
// "071": the personal list file could not be written.
std::string ListNotSavedMessage(const App& app, std::string_view path, std::string_view reason);
// "072": a typed text is no usable extension.
std::string InvalidExtensionMessage(const App& app, std::string_view typed);
// "073": the association run left some extensions unwritten; `lines` names them.
std::string NotAssociatedMessage(const App& app, std::string_view lines);
// "074": why an extension of the lists was not written: it is no usable extension.
std::string RefusedExtensionReason(const App& app);

// "134": the shell still opens some written extensions with another program, since
// Windows keeps the user's own choice for them; `lines` names them and that program.
// Asks whether to open the system's default programs settings.
std::string UserChoiceKeptQuestion(const App& app, std::string_view lines);
// "135": those settings could not be opened; `reason` says why.
std::string SettingsNotOpenedMessage(const App& app, std::string_view reason);

// "152" and "153": the name and description of the pack's player in Windows' default apps
// settings; `player` is its file name without ".exe".
std::string RegisteredAppName(const App& app, std::string_view player);
std::string RegisteredAppDescription(const App& app, std::string_view player);
// "154": the associations were written, but the pack could not be registered as an
// application; `reason` says why.
std::string NotRegisteredMessage(const App& app, std::string_view reason);

}  // namespace tzp::assoc
