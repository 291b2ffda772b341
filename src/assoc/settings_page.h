#pragma once
// Which page of Windows' settings the panel opens when the user's own choice keeps an
// extension from the chosen program.
#include <cstdint>
#include <string>

#include "core/pack_services.h"
#include "platform/status.h"

namespace tzp::assoc {

// The running Windows' build and update revision ("22621" and 1555 for 10.0.22621.1555).
struct WindowsBuild {
    uint32_t number = 0;
    uint32_t revision = 0;
};

// Read from the registry, HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion, values
// CurrentBuildNumber and UBR, in the system's own view. Not from RtlGetVersion: it gives
// the build but not the update revision, and the page below came with an update. Zero
// where a value is missing or not a number, as on Windows before 10, which has no UBR.
WindowsBuild ReadWindowsBuild(PackServices& pack);

// Whether the default apps page can be opened on one registered application: Windows 11
// 21H2 and 22H2 from their April 2023 cumulative updates (22000.1817, 22621.1555; 22622 to
// 22630 are 22H2 with features switched on, serviced alike), and every build from 23H2
// (22631) on.
bool SettingsOpenOnAnApplication(WindowsBuild build);

// ms-settings:defaultapps?registeredAppMachine= and the pack's registered name, escaped.
std::string PackSettingsAddress();

// The Settings app's address of the default apps page: on the pack's own entry where
// Windows can open it there and the pack is registered, the plain page elsewhere from
// Windows 10 on; before Windows 10, none.
std::string DefaultAppsAddress(WindowsBuild build, bool packRegistered);

// Opens that address; without one, or when it cannot be opened, the Control Panel's
// default programs page.
platform::Status OpenDefaultAppsSettings(PackServices& pack);

}  // namespace tzp::assoc
