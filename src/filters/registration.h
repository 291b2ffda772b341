#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "ui/form.h"
#include "filters/registration_info.h"

namespace tzp::filters {

// How long one entry point may run before the pass goes on without it.
inline constexpr uint32_t kEntryPointWaitMs = 10000;

// What became of one library the runner was asked to run.
enum class OutcomeKind {
    Done,              // the entry point ran and returned success
    NothingRun,        // the mode selects no entry point: nothing was loaded
    FileMissing,       // no library file at the path (or the path is not a full one)
    NotLoadable,       // the system would not load it: `code` is the system error
    OtherBitness,      // built for the other bitness than this program (32 or 64 bits)
    NoEntryPoint,      // the library lacks the entry point of the mode
    NotStarted,        // no worker thread could be started: `code` is the system error
    EntryPointFailed,  // the entry point returned a failure: `code` is its HRESULT
    TimedOut,          // still running after the time limit; released once it ends
    Crashed,           // ended the process that ran it: `code` is the exit or exception code
};

struct LibraryOutcome {
    std::string path;      // the library's full path
    std::string mode;      // "" registers, "u" or "U" unregisters
    std::string_view box;  // the check box whose library it is; empty outside the pass
    OutcomeKind kind = OutcomeKind::NothingRun;
    uint32_t code = 0;   // a system error code, or the entry point's HRESULT
    std::string reason;  // the system's wording of `code`, when there is one
};

// Loads the library at `path` and runs its self-registration entry point on a worker
// thread: mode "" registers (DllRegisterServer), "u" or "U" unregisters
// (DllUnregisterServer); any other mode runs nothing. Returns what happened; the pass
// goes on whatever it was. The program always waits `kEntryPointWaitMs`.
// Needs no window: the registration host runs it too.
LibraryOutcome RunSelfRegistration(platform::Platform& sys, const std::string& path,
                                   std::string_view mode, uint32_t waitMs = kEntryPointWaitMs);

// Told before each library of the pass: its position from 1, how many there are, and the
// library's full path.
using PassProgress = std::function<void(size_t position, size_t total, const std::string& path)>;

// One library of the pass and the mode it is run with.
struct PlannedRun {
    std::string_view box;
    std::string_view mode;  // "" registers, "u" unregisters
};

// What the pass runs for the boxes as they stand, in its order: every box's own
// library with its box's mode, the splitter group by its master (below). Changes
// nothing; the pass and the comparison with a profile both follow it.
std::vector<PlannedRun> PassPlan(const ui::Form& form);

// Registers every library whose box is ticked (value 1) and unregisters the others, in
// the pass's fixed order; with the splitter master off, all six splitter libraries are
// unregistered whatever their boxes show. Returns the outcome of each library, in order.
std::vector<LibraryOutcome> ApplyFilterStates(App& app, const PassProgress& progress = {});

// How many libraries one pass runs.
size_t PassLength();

// Whether an outcome means the library did not do what its box asked. A library that is
// missing when it was to be unregistered is not a failure: it is as unregistered as it
// can be.
bool IsFailure(const LibraryOutcome& outcome);

// The plain-words outcome from the language file (built-in English or French when the
// file lacks it), without the library's name: for the report and the command line.
std::string OutcomeText(const App& app, const LibraryOutcome& outcome);

// The wait panel's progress line, "5 of 18: ffdshow.ax".
std::string ProgressText(const App& app, size_t position, size_t total, const std::string& path);
// The same from the line's pattern in the language file, looked up once for a whole pass
// (the file is read anew on every lookup).
std::string ProgressPattern(const App& app);
std::string ProgressText(std::string_view pattern, size_t position, size_t total,
                         const std::string& path);

// The report of a pass, one line per failed library ("ffdshow.ax: <outcome>") under a
// heading; empty when nothing failed.
std::string FailureReport(const App& app, const std::vector<LibraryOutcome>& outcomes);

// Sets the box of every failed library, quietly (no click behaviour, no pending change),
// to what the registry says now (`registrations`, read after the pass), by the detection
// rules of the start-up.
void ShowDetectedStatesOfFailures(App& app, const std::vector<LibraryOutcome>& outcomes,
                                  const std::vector<RowRegistration>& registrations);

}  // namespace tzp::filters
