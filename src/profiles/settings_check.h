#pragma once
// What a profile's registry file sets, compared with what the registry holds: the
// values it writes with their types and data, the values and keys it deletes. Values
// the file does not name are not compared.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "platform/registry.h"

namespace tzp::profiles {

struct WantedSetting {
    std::string key;        // as the file names it, "HKEY_CURRENT_USER\Software\Quorel"
    std::string name;       // the value's name, "" for the default value
    bool wholeKey = false;  // the file deletes the key ("[-key]"): it must be absent
    std::optional<platform::RegData> data;  // nullopt: the file deletes the value
};

// Every value and key the file sets or deletes, once each, as the registry editor
// leaves them when it imports the file from the top: a later line for the same value
// wins, and a deleted key takes the earlier lines below it with it. nullopt when the
// file has neither header a registry file starts with. `fileBytes` is UTF-16 with its
// byte-order mark ("Windows Registry Editor Version 5.00") or 8-bit text ("REGEDIT4")
// in the ANSI code page.
std::optional<std::vector<WantedSetting>> ReadWantedSettings(std::string_view fileBytes);

struct SettingDifference {
    WantedSetting wanted;
    platform::RegLookup found;
};

// The settings the registry does not hold as wanted, in the file's order.
std::vector<SettingDifference> CompareSettings(platform::RegistryService& registry,
                                               const std::vector<WantedSetting>& wanted);

// Data in `reg query` style: "REG_SZ office", "REG_DWORD 0x1f", "REG_BINARY 01AB".
std::string DataText(const platform::RegData& data);

// The registry file of a saved profile, read as the apply hands it to the registry
// editor: refused when the confined check refuses it. `problem` says which file and
// why when the settings cannot be compared.
struct ProfileSettings {
    std::vector<WantedSetting> wanted;
    std::string problem;  // empty when `wanted` was read
};
ProfileSettings ReadProfileSettings(const App& app, const std::string& profileName);

}  // namespace tzp::profiles
