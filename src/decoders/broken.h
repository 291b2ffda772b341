#pragma once
// Entries of the pack that no player can use, in one view: a class registered to a file
// that is not there, a filter category entry whose class is not registered, filter data
// that cannot be read. Each is named with the box of its filter.
#include <string>
#include <string_view>
#include <vector>

#include "decoders/registrations.h"
#include "platform/files.h"

namespace tzp::decoders {

enum class Problem { FileMissing, ClassNotRegistered, FilterDataUnreadable };

struct BrokenEntry {
    std::string_view box;
    Guid clsid;
    Problem problem = Problem::FileMissing;
    std::string detail;  // the missing file, or why the filter data cannot be read
};

// "fileMissing", "classNotRegistered", "filterDataUnreadable".
std::string_view ProblemName(Problem problem);

// Reads the server of every class of the catalogue in the view (the classes without a
// category entry too) and looks at whether its file exists.
std::vector<BrokenEntry> FindBrokenEntries(platform::RegistryService& registry,
                                           platform::FileService& files,
                                           const ViewRegistrations& view);

}  // namespace tzp::decoders
