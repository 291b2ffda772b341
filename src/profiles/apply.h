#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"
#include "filters/registration.h"
#include "filters/registration_info.h"

namespace tzp::profiles {

// What became of the import of a profile's registry file.
enum class ImportKind {
    NotStarted,        // no profile named: nothing to import
    Started,           // the registry editor was started and not awaited
    Done,              // the registry editor ended with exit code 0 and every setting of
                       // the file is in the registry (awaited)
    FileMissing,       // the profile's registry file is missing
    Refused,           // the file was refused before the import: `reason` says why
    EditorNotStarted,  // the registry editor could not be started: `reason` says why
    Failed,            // the registry editor ended with another exit code (awaited)
    Incomplete,        // it ended with 0, but settings of the file are not in the registry
                       // (awaited): `reason` names them, a line each
};

struct ImportResult {
    ImportKind kind = ImportKind::NotStarted;
    std::string file;       // the profile's registry file, when a profile was named
    uint32_t exitCode = 0;  // for Failed
    std::string reason;     // the platform's or the check's wording, when there is one
    bool failed() const {
        return kind != ImportKind::NotStarted && kind != ImportKind::Started &&
               kind != ImportKind::Done;
    }
};

struct ApplyResult {
    std::vector<filters::LibraryOutcome> libraries;  // in the pass's order
    ImportResult import;
    // What the registry holds once the pass is done, row by row.
    std::vector<filters::RowRegistration> registrations;
    // Why nothing was run at all (the process the libraries run in could not be
    // started); empty when the pass ran.
    std::string hostProblem;
    bool AnyFailure() const;
};

// The apply itself, without a question or a message: clears `ischange`, runs the
// registration pass as the boxes stand, then imports the registry file of `profileName`
// when it is not empty. The window starts the registry editor and goes on; the command
// line waits for it (`waitForImport`) so that the editor's exit code counts. Used by the
// window's apply and by the command line.
ApplyResult RunApply(App& app, const std::string& profileName, bool waitForImport,
                     const filters::PassProgress& progress = {});

// The message for an import that failed; empty when it did not fail.
std::string ImportFailureMessage(const App& app, const ImportResult& import);

// The apply button, Command3: checks the profile name, asks "033", covers the window with
// the wait panel (which shows the pass's progress), runs `RunApply`, then reports what
// failed, shows the failed filters' true states, and ends with "034".
void WireApply(App& app);
void ApplyCurrentState(App& app);

}  // namespace tzp::profiles
