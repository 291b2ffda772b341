#pragma once
// The pack's player as an application that Windows' default apps settings list by name:
// a capabilities key, HKLM\SOFTWARE\Tessaly Zivozod Pack\Capabilities, named by a value
// under HKLM\SOFTWARE\RegisteredApplications. Since Windows 8 a class key no longer wins
// over the user's own protected choice; an application registered this way is at least
// offered by name when the user chooses, and its settings page can be opened directly.
//
// Both keys are written in the system's own registry view (RegName::systemView): the
// shipped program is 32-bit, and its HKLM\SOFTWARE writes would otherwise land in
// WOW6432Node, where the 64-bit Settings app of 64-bit Windows never looks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "platform/registry.h"
#include "platform/status.h"

namespace tzp::assoc {

// The value's name under RegisteredApplications, which the settings address names too.
inline constexpr std::string_view kRegisteredAppName = "Tessaly Zivozod Pack";
inline constexpr std::string_view kCapabilitiesKey = "SOFTWARE\\Tessaly Zivozod Pack\\Capabilities";

// A key or value under HKLM in the system's own view, where the 64-bit system reads it.
platform::RegName MachineName(std::string_view key, std::string_view valueName,
                              bool namesKey = false);

struct AppAssociation {
    std::string extension;
    std::string progId;
    bool operator==(const AppAssociation&) const = default;
};

// Each extension of the three lists, once whatever its letter case, whose ProgID (the one
// the lists read) runs the very command the panel writes for `program`, with that ProgID,
// in list order.
std::vector<AppAssociation> AssociationsWith(App& app, std::string_view program);

// Rewrites the entry for `program`: its name, description and icon, and exactly the
// associations above; with none the entry is removed. The shell is told in either case.
// The first refused write is returned.
platform::Status KeepRegisteredApplication(App& app, std::string_view program);

// A personal extension left the list: unless another list entry still stands for it, it
// leaves the entry too, and the entry goes when it names no listed extension any more.
void DropFromRegisteredApplication(App& app, std::string_view extension);

// Whether RegisteredApplications names the pack's entry.
bool IsRegisteredApplication(PackServices& pack);

struct RegisteredApplication {
    std::string name;
    std::vector<AppAssociation> associations;
};

// The entry's name and the listed extensions it maps, in list order; nullopt when there
// is no entry.
std::optional<RegisteredApplication> ReadRegisteredApplication(App& app);

}  // namespace tzp::assoc
