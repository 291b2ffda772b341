#pragma once
// The two files of a settings profile in the pack's Sav folder: the state file (name +
// ".sav", one line per filter box) and the registry file (name + ".reg", the filters'
// own settings as exported by the registry editor).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/profiles.h"
#include "core/pack_services.h"
#include "ui/form.h"

namespace tzp::profiles {

// One line of the state file: the three-digit id and the box it stores.
struct StateRow {
    const char* id;
    const char* box;
};

// The 19 rows in file order; the window has no boxes 7 and 8, nor 21 to 69.
inline constexpr std::array<StateRow, 19> kStateRows{{
    {"001", "Check1"},  {"002", "Check2"},  {"003", "Check3"},  {"004", "Check4"},
    {"005", "Check5"},  {"006", "Check6"},  {"009", "Check9"},  {"010", "Check10"},
    {"011", "Check11"}, {"012", "Check12"}, {"013", "Check13"}, {"014", "Check14"},
    {"015", "Check15"}, {"016", "Check16"}, {"017", "Check17"}, {"018", "Check18"},
    {"019", "Check19"}, {"020", "Check20"}, {"070", "Check70"},
}};

// The registry keys whose export makes up the registry file, in file order.
inline constexpr std::array<const char*, 12> kProfileKeys{
    "HKEY_CURRENT_USER\\Software\\Quorel",
    "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow",
    "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_audio",
    "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_enc",
    "HKEY_CURRENT_USER\\Software\\GNU\\ffdshow_vfw",
    "HKEY_CURRENT_USER\\Software\\GNU\\Norvi",
    "HKEY_CURRENT_USER\\Software\\AC3Filter",
    "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow",
    "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow_audio",
    "HKEY_LOCAL_MACHINE\\Software\\GNU\\ffdshow_vfw",
    "HKEY_LOCAL_MACHINE\\Software\\NorviMkx",
    "HKEY_LOCAL_MACHINE\\Software\\On2 Technologies",
};

// The first line of every registry file we write.
inline constexpr std::string_view kRegistryFileHeader = "REGEDIT4";

std::string StateFilePath(const PackServices& pack, std::string_view name);
std::string RegistryFilePath(const PackServices& pack, std::string_view name);
// Where the registry editor writes each key's export during a save.
std::string TemporaryExportPath(const PackServices& pack);

// The state file's bytes for the boxes as they stand: "001 1", "002 0", ... CR LF.
std::string BuildStateFile(const ui::Form& form);

// The value of an id in a state file's text: the first line whose first three
// characters are the id gives the line without its first four characters ("" for a
// line of three). nullopt when no line has the id.
std::optional<std::string> FindStateValue(std::string_view content, std::string_view id);
// The same over the file's lines (platform::SplitLineViews), for a reader of many ids.
std::optional<std::string> FindStateValue(const std::vector<std::string_view>& lines,
                                          std::string_view id);

// A stored value as a box state: the number rounded down, when it is 0, 1 or 2 (greyed).
// Anything else (empty, not a number, out of range) gives nullopt, and the box keeps
// the state it has.
std::optional<int> ParseBoxState(std::string_view value);

}  // namespace tzp::profiles
