// Times whole registration passes over the 18 stand-in filter libraries, whose entry
// points return at once: what an apply costs beyond the filters' own work. Beside each
// pass (outcomes, progress text on the wait panel, letting events run) it times the bare
// loop of the same loads, entry points and releases on the loader alone, so the pass's
// own cost shows. Prints the times; run it under Wine with tests/support/wine-run.sh.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "filters/catalogue.h"
#include "filters/registration.h"
#include "platform/win32/files_win32.h"
#include "core/app.h"
#include "support/real_panel.h"
#include "user_seen_apply.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The pass as the window runs it, with the progress shown on the wait panel's label.
double Pass(tzp::App& app, int value) {
    for (const auto& row : tzp::filters::Catalogue()) {
        app.form.SetValueQuietly(row.box, value);
    }
    const auto start = Clock::now();
    const std::string pattern = tzp::filters::ProgressPattern(app);
    const auto outcomes = tzp::filters::ApplyFilterStates(app, [&](size_t position, size_t total,
                                                                   const std::string& path) {
        app.form.SetCaption("Label2", tzp::filters::ProgressText(pattern, position, total, path));
        app.sys.ui.DoEvents();
    });
    const double ms = MillisecondsSince(start);
    for (const auto& outcome : outcomes) {
        if (outcome.kind != tzp::filters::OutcomeKind::Done) {
            std::printf("not done: %s\n", outcome.path.c_str());
        }
    }
    return ms;
}

// The same 18 libraries straight on the loader: load, find, run, wait, release.
double BareLoop(tzp::App& app, const char* entryName) {
    auto& loader = app.sys.selfRegistration;
    const auto start = Clock::now();
    for (const auto& row : tzp::filters::Catalogue()) {
        if (row.library.empty()) {
            continue;
        }
        const auto loaded = loader.Load(app.form.Text("filterpath") + std::string(row.library));
        const auto entry = loaded.library->FindEntryPoint(entryName);
        const auto started = loader.StartThread(*entry);
        started.thread->Wait(tzp::filters::kEntryPointWaitMs);
    }
    return MillisecondsSince(start);
}

struct Summary {
    double min;
    double median;
};

Summary Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-18s runs: %zu  min %.1f ms  median %.1f ms  max %.1f ms\n", what, times.size(),
                times.front(), times[times.size() / 2], times.back());
    return {times.front(), times[times.size() / 2]};
}

// The minimum is the steadiest figure on a busy machine; the median is shown beside it.
void Ratio(const char* what, Summary pass, Summary bare) {
    std::printf("%-10s pass / bare loop: min %.2f  median %.2f\n", what, pass.min / bare.min,
                pass.median / bare.median);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? _wtoi(argv[1]) : 20;
    // The libraries lie in filtres\ beside this program: its folder is the installation.
    const std::string installDir = tzp::platform::ProgramFolder() + "\\";

    // The real services, as the program wires them; every question is answered Yes.
    tzp::testing::RealPanel panel(installDir);
    panel.ui.unscriptedAnswer = tzp::platform::Answer::Yes;
    tzp::App& app = panel.app;
    auto& form = panel.form;
    form->SetText("filterpath", installDir);

    std::printf("installation: %s\n", installDir.c_str());
    std::vector<double> registering, unregistering, bareRegistering, bareUnregistering;
    for (int i = 0; i < std::max(rounds, 1); ++i) {
        // Each register finds the classes absent and each unregister finds them present,
        // so the pass and the bare loop do the same registry work.
        registering.push_back(Pass(app, 1));
        unregistering.push_back(Pass(app, 0));
        bareRegistering.push_back(BareLoop(app, "DllRegisterServer"));
        bareUnregistering.push_back(BareLoop(app, "DllUnregisterServer"));
    }
    const Summary pass = Report("register pass", registering);
    const Summary bare = Report("register bare", bareRegistering);
    const Summary passOff = Report("unregister pass", unregistering);
    const Summary bareOff = Report("unregister bare", bareUnregistering);
    Ratio("register", pass, bare);
    Ratio("unregister", passOff, bareOff);
    tzp::testing::TimeUserSeenApply(rounds);
    return 0;
}
