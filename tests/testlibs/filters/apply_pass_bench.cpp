// Times whole registration passes over the 18 stand-in filter libraries, whose entry
// points return at once: what an apply costs beyond the filters' own work. Prints the
// times; run it under Wine with tests/support/wine-run.sh.
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

namespace {

double Pass(tzp::App& app, int value) {
    for (const auto& row : tzp::filters::Catalogue()) {
        app.form.SetValueQuietly(row.box, value);
    }
    const auto start = std::chrono::steady_clock::now();
    tzp::filters::ApplyFilterStates(app);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-12s passes: %zu  min %.1f ms  median %.1f ms  max %.1f ms\n", what, times.size(),
                times.front(), times[times.size() / 2], times.back());
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
    std::vector<double> registering, unregistering;
    for (int i = 0; i < std::max(rounds, 1); ++i) {
        registering.push_back(Pass(app, 1));
        unregistering.push_back(Pass(app, 0));
    }
    Report("register", registering);
    Report("unregister", unregistering);
    return 0;
}
