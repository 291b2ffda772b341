#pragma once
// Saving a profile without asking anything: what the save button does once the user has
// agreed, and what the command line's save does at once.
#include <string>

#include "core/app.h"
#include "profiles/write_profile.h"

namespace tzp::profiles {

enum class SaveResult {
    Saved,
    FolderMissing,  // the pack has no profile folder
    NotWritten,     // the files could not be written; the profile on disk is unchanged
};

struct SaveOutcome {
    SaveResult result = SaveResult::NotWritten;
    WriteOutcome write;  // the written files' outcome, for Saved and NotWritten
};

// Saves the boxes as they stand and the profile keys' registry settings as profile
// `name`, replacing a profile of that name, then lists the profiles again with `name`
// shown. The name must already be known usable (IsUsableProfileName). Shows nothing.
SaveOutcome SaveProfileUnasked(App& app, const std::string& name);

}  // namespace tzp::profiles
