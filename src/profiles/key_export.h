#pragma once
// Exporting one registry key with the system's registry editor, for a profile's
// registry file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/pack_services.h"

namespace tzp::profiles {

// How long one export may take before it counts as failed, and how often the wait
// lets the window's events run.
inline constexpr uint32_t kExportPollMs = 100;
inline constexpr uint32_t kExportTimeLimitMs = 30000;

// The registry editor's command line that exports `key` into the temporary file.
std::string ExportCommandLine(const PackServices& pack, std::string_view key);

// Exports `key` and appends its lines (without the export's header) to
// `registryFile`, the registry file being built, each line ended by CR LF. A key
// that does not exist adds nothing. An export that fails (the editor cannot start or
// does not end in time, its output is unreadable or not an export of the key) adds
// nothing either, and the key is named in `leftOut`, as are the entries the ANSI code
// page cannot hold.
void AppendKeyExport(PackServices& pack, std::string_view key, std::string& registryFile,
                     std::vector<std::string>& leftOut);

}  // namespace tzp::profiles
