#pragma once
#include <string_view>

namespace tzp::profiles {

// Whether a typed profile name can become a file name in the profile folder as it
// stands: no path separators or wildcard characters, no control characters, not "." or
// "..", and not a device name (CON, NUL, COM1, ...), with or without an extension.
// Anything else would write outside the folder, reach a device or fail half-way.
bool IsUsableProfileName(std::string_view name);

}  // namespace tzp::profiles
