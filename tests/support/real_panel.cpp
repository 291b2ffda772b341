#include "support/real_panel.h"

#include <windows.h>

#include "shell/startup.h"
#include "ui/form1_controls.h"

namespace tzp::testing {

void PumpingInteraction::DoEvents() {
    FakeInteraction::DoEvents();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

RealPanel::RealPanel(const std::string& packDir)
    : form(ui::CreateForm1()), app{*form, platform, packDir} {}

void RealPanel::Start() {
    shell::WireForm(app);
    shell::RunLoadSequence(app);
}

}  // namespace tzp::testing
