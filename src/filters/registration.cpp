#include "filters/registration.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "filters/catalogue.h"
#include "filters/filters.h"
#include "filters/registration_in_host.h"
#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/paths.h"
#include "platform/status.h"
#include "platform/text.h"

namespace tzp::filters {

namespace {

std::optional<std::string> EntryPointFor(std::string_view mode) {
    if (mode.empty()) {
        return "DllRegisterServer";
    }
    if (mode == "u" || mode == "U") {
        return "DllUnregisterServer";
    }
    return std::nullopt;
}

bool Unregisters(std::string_view mode) {
    return mode == "u" || mode == "U";
}

// The bitness of this program: a library of the other one can never load into it.
constexpr int kOwnBits = sizeof(void*) == 8 ? 64 : 32;

using platform::FileName;

std::string Hex(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    return text;
}

// An HRESULT that wraps a system error code (facility 7) reads as that code; the system
// has words for far more of those.
std::string DescribeResult(platform::Platform& sys, uint32_t result) {
    const bool wrapsSystemError = (result & 0xFFFF0000u) == 0x80070000u;
    return sys.errors.Describe(wrapsSystemError ? (result & 0xFFFFu) : result);
}

LibraryOutcome NotLoaded(platform::Platform& sys, LibraryOutcome outcome, uint32_t error) {
    if (!sys.files.FileExists(outcome.path)) {
        outcome.kind = OutcomeKind::FileMissing;
        outcome.code = platform::kErrorFileNotFound;
        outcome.reason = sys.errors.Describe(outcome.code);
        return outcome;
    }
    outcome.code = error;
    // A library of the other bitness and a file that is no library at all give the same
    // error; only the file's header tells them apart.
    const int bits =
        error == platform::kErrorBadExeFormat ? sys.selfRegistration.LibraryBits(outcome.path) : 0;
    if (bits != 0 && bits != kOwnBits) {
        outcome.kind = OutcomeKind::OtherBitness;
        return outcome;
    }
    outcome.kind = OutcomeKind::NotLoadable;
    // Some of the system's texts name the file as "%1" ("%1 is not a valid Win32
    // application.").
    outcome.reason = lang::Fill(sys.errors.Describe(error), {FileName(outcome.path)});
    return outcome;
}

// Runs one row of the pass and keeps its outcome, after telling the progress.
struct Pass {
    App& app;
    const PassProgress& progress;
    std::vector<LibraryOutcome> outcomes;

    void Run(std::string_view box, std::string_view mode) {
        const std::string path = InstalledPath(app, Row(box).library);
        if (progress) {
            progress(outcomes.size() + 1, PassLength(), path);
        }
        // Where there is a host process, the library runs there, not in this process.
        auto* host = app.sys.host;
        outcomes.push_back(host != nullptr ? RunInHost(app.sys, *host, path, mode)
                                           : RunSelfRegistration(app.sys, path, mode));
        outcomes.back().box = box;
    }
};

}  // namespace

LibraryOutcome RunSelfRegistration(platform::Platform& sys, const std::string& path,
                                   std::string_view mode, uint32_t waitMs) {
    LibraryOutcome outcome{path, std::string(mode), {}, OutcomeKind::NothingRun, 0, {}};
    // The mode is looked at before loading, so that a mode that runs nothing does not
    // leave the library loaded.
    const auto entryName = EntryPointFor(mode);
    if (!entryName) {
        return outcome;
    }
    // Windows looks for a library named by a relative path in the current folder and
    // along the search path, where a stranger's library may sit.
    if (!platform::IsAbsolutePath(path)) {
        // Never loaded from wherever Windows would look: as far as we go, there is none.
        outcome.kind = OutcomeKind::FileMissing;
        outcome.code = platform::kErrorPathNotFound;
        outcome.reason = sys.errors.Describe(outcome.code);
        return outcome;
    }
    // The owners free the library and let go of the thread on every way out.
    const auto loaded = sys.selfRegistration.Load(path);
    if (!loaded.library) {
        return NotLoaded(sys, std::move(outcome), loaded.error);
    }
    const auto entry = loaded.library->FindEntryPoint(*entryName);
    if (!entry) {
        outcome.kind = OutcomeKind::NoEntryPoint;
        return outcome;
    }
    const platform::BusyCursor busy(sys.ui);
    const auto started = sys.selfRegistration.StartThread(*entry);
    if (!started.thread) {
        outcome.kind = OutcomeKind::NotStarted;
        outcome.code = started.error;
        outcome.reason = sys.errors.Describe(started.error);
        return outcome;
    }
    if (!started.thread->Wait(waitMs)) {
        // Unloading the library under a running entry point would crash the program; its
        // thread holds the library until it returns, and the pass goes on.
        outcome.kind = OutcomeKind::TimedOut;
        outcome.code = platform::kErrorTimeout;
        return outcome;
    }
    // The thread's exit code is the entry point's HRESULT; negative is a failure.
    const uint32_t result = started.thread->ExitCode();
    if ((result & 0x80000000u) != 0) {
        outcome.kind = OutcomeKind::EntryPointFailed;
        outcome.code = result;
        outcome.reason = DescribeResult(sys, result);
    } else {
        outcome.kind = OutcomeKind::Done;
    }
    return outcome;
}

size_t PassLength() {
    // Every row of the fixed order is one library, except the splitter master, which
    // stands for its own library and those of its five members.
    return RegistrationOrder().size() + SplitterMembers().size();
}

std::vector<PlannedRun> PassPlan(const ui::Form& form) {
    std::vector<PlannedRun> plan;
    plan.reserve(PassLength());
    auto ownMode = [&](std::string_view box) {
        plan.push_back({box, form.Value(box) == 1 ? "" : "u"});
    };
    for (const auto box : RegistrationOrder()) {
        if (box != kSplitterMaster) {
            ownMode(box);
        } else if (form.Value(kSplitterMaster) == 1) {
            plan.push_back({kSplitterMaster, ""});
            for (const auto member : SplitterRegisterOrder()) {
                ownMode(member);
            }
        } else {
            plan.push_back({kSplitterMaster, "u"});
            for (const auto member : SplitterUnregisterOrder()) {
                plan.push_back({member, "u"});
            }
        }
    }
    return plan;
}

std::vector<LibraryOutcome> ApplyFilterStates(App& app, const PassProgress& progress) {
    Pass pass{app, progress, {}};
    pass.outcomes.reserve(PassLength());
    for (const auto& run : PassPlan(app.form)) {
        pass.Run(run.box, run.mode);
    }
    return std::move(pass.outcomes);
}

bool IsFailure(const LibraryOutcome& outcome) {
    switch (outcome.kind) {
        case OutcomeKind::Done:
        case OutcomeKind::NothingRun:
            return false;
        case OutcomeKind::FileMissing:
            return !Unregisters(outcome.mode);
        default:
            return true;
    }
}

std::string OutcomeText(const App& app, const LibraryOutcome& outcome) {
    using lang::LookupLangStringOr;
    switch (outcome.kind) {
        case OutcomeKind::Done:
            return LookupLangStringOr(app, lang::text::kLibraryDone);
        case OutcomeKind::FileMissing:
        case OutcomeKind::NotLoadable:
            return lang::Fill(LookupLangStringOr(app, lang::text::kLibraryNotLoaded),
                              {outcome.reason});
        case OutcomeKind::OtherBitness: {
            const std::string bits = kOwnBits == 64 ? "32" : "64";
            return lang::Fill(LookupLangStringOr(app, lang::text::kLibraryOtherBitness), {bits});
        }
        case OutcomeKind::NoEntryPoint:
            return LookupLangStringOr(app, lang::text::kLibraryNoEntryPoint);
        case OutcomeKind::EntryPointFailed:
            return lang::Fill(LookupLangStringOr(app, lang::text::kLibraryFailed),
                              {Hex(outcome.code), outcome.reason});
        case OutcomeKind::TimedOut:
            return lang::Fill(LookupLangStringOr(app, lang::text::kLibraryStillWorking),
                              {std::to_string(kEntryPointWaitMs / 1000)});
        case OutcomeKind::Crashed: {
            // "the library crashed with the code 0xC0000005: <the system's words>"
            std::string text = lang::Fill(LookupLangStringOr(app, lang::text::kLibraryCrashed),
                                          {Hex(outcome.code)});
            return outcome.reason.empty() ? text : text + ": " + outcome.reason;
        }
        case OutcomeKind::NotStarted:
        case OutcomeKind::NothingRun: {
            std::string text = LookupLangStringOr(app, lang::text::kLibraryNotRun);
            return outcome.reason.empty() ? text : text + ": " + outcome.reason;
        }
    }
    return {};
}

std::string ProgressPattern(const App& app) {
    return lang::LookupLangStringOr(app, lang::text::kProgress);
}

std::string ProgressText(std::string_view pattern, size_t position, size_t total,
                         const std::string& path) {
    return lang::Fill(pattern, {std::to_string(position), std::to_string(total), FileName(path)});
}

std::string ProgressText(const App& app, size_t position, size_t total, const std::string& path) {
    return ProgressText(ProgressPattern(app), position, total, path);
}

std::string FailureReport(const App& app, const std::vector<LibraryOutcome>& outcomes) {
    std::string lines;
    for (const auto& outcome : outcomes) {
        if (IsFailure(outcome)) {
            lines +=
                "\r\n" + std::string(FileName(outcome.path)) + ": " + OutcomeText(app, outcome);
        }
    }
    if (lines.empty()) {
        return {};
    }
    return lang::LookupLangStringOr(app, lang::text::kBoxesCorrected) + "\r\n" + lines;
}

void ShowDetectedStatesOfFailures(App& app, const std::vector<LibraryOutcome>& outcomes,
                                  const std::vector<RowRegistration>& registrations) {
    for (const auto& outcome : outcomes) {
        if (!IsFailure(outcome) || outcome.box.empty()) {
            continue;
        }
        // As at start-up, one class registered to the pack's own copy ticks the box; a row
        // without classes (the splitter master) is never ticked by the detection.
        const auto row =
            std::find_if(registrations.begin(), registrations.end(),
                         [&](const RowRegistration& r) { return r.box == outcome.box; });
        app.form.SetValueQuietly(outcome.box, row != registrations.end() && row->classesHere > 0);
    }
}

}  // namespace tzp::filters
