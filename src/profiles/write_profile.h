#pragma once
// Writing a profile's two files.
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "core/app.h"

namespace tzp::profiles {

struct WriteOutcome {
    platform::Status status;
    std::string failedPath;            // the file that could not be written
    std::vector<std::string> leftOut;  // settings that are not in the registry file
};

// Writes the state file and the registry file of profile `name`: the state of every
// box, then "REGEDIT4" and the export of each profile key. Both files are written whole
// to temporary files before either replaces its predecessor, each in one step; when the
// second cannot take its place the first is put back, so a failure (a full disk, a
// refused write) leaves the profile as it was.
WriteOutcome WriteProfile(App& app, std::string_view name);

}  // namespace tzp::profiles
