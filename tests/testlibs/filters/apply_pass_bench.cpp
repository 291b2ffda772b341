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
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "shell/app.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace {

class QuietInteraction : public tzp::platform::Interaction {
  public:
    void ShowMessage(std::string_view) override {}
    tzp::platform::Answer Ask(std::string_view) override { return tzp::platform::Answer::Yes; }
    std::optional<std::string> ChooseFileToOpen(const tzp::platform::OpenFileRequest&) override {
        return std::nullopt;
    }
    void SetBusyCursor(bool) override {}
    void DoEvents() override {}
    void EndProgram() override {}
};

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

    tzp::platform::Win32Registry registry;
    tzp::platform::Win32Files files;
    tzp::platform::Win32Versions versions;
    tzp::platform::Win32SelfRegistration selfRegistration;
    tzp::platform::Win32Processes processes;
    tzp::platform::Win32Shell shell;
    QuietInteraction ui;
    tzp::platform::Platform platform{registry,  files, versions, selfRegistration,
                                     processes, shell, ui};
    auto form = tzp::ui::CreateForm1();
    tzp::App app{*form, platform, installDir};
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
