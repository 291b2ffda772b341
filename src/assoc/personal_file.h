#pragma once
// Settings\exts.ini: the personal extensions, one a line, kept from one run to the next.
#include <string>
#include <vector>

#include "platform/status.h"
#include "core/app.h"

namespace tzp::assoc {

std::string PersonalListPath(const PackServices& pack);

// Every non-empty line, unchanged and in file order. A missing or unreadable file is
// an empty list.
std::vector<std::string> ReadPersonalExtensions(PackServices& pack);

// Replaces the file by the extension parts of List3's entries, each line ended by
// CR LF, in the ANSI code page (in UTF-8 with a byte-order mark only when a line came
// from such a file and the code page cannot hold it). The old file stays whole when
// the write fails.
platform::Status WritePersonalExtensions(App& app);

}  // namespace tzp::assoc
