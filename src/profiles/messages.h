#pragma once
// Messages of the profile actions that the pack's language files do not have: each
// comes from the language file when it holds the id, else from the built-in text.
#include <string>
#include <vector>

#include "core/app.h"

namespace tzp::profiles {

// "065": the typed name cannot become a file name.
std::string NameRefusedText(const App& app);
// "066": the profile folder or a profile file is missing or unreadable; the path follows.
std::string NotFoundText(const App& app, const std::string& path);
// "067": the profile files could not be written; nothing on disk changed.
std::string NotSavedText(const App& app, const std::string& path, const std::string& reason);
// "068": settings that are not in the saved profile, one a line.
std::string LeftOutText(const App& app, const std::vector<std::string>& entries);
// "069": files of a profile that could not be deleted, one a line with its reason.
std::string NotDeletedText(const App& app, const std::vector<std::string>& problems);
// "120": a registry file that writes outside the filters' settings was not imported.
std::string ImportRefusedText(const App& app, const std::string& path, const std::string& section);
// "136": a profile's registry file that starts with neither registry file header.
std::string NotRegistryFileText(const App& app, const std::string& path);

}  // namespace tzp::profiles
