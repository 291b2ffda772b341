#pragma once
// A control panel on the real Win32 services, wired as the program wires it but without
// a native window: questions and file dialogs take scripted answers, and letting events
// run runs the test thread's window messages.
#include <memory>
#include <string>

#include "fakes/fake_interaction.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/version_win32.h"
#include "core/app.h"
#include "ui/form.h"

namespace tzp::testing {

class PumpingInteraction : public fakes::FakeInteraction {
  public:
    void DoEvents() override;
};

struct RealPanel {
    explicit RealPanel(const std::string& packDir);

    // Wires every behaviour and runs the load sequence.
    void Start();

    platform::Win32Registry registry;
    platform::Win32Files files;
    platform::Win32Versions versions;
    platform::Win32SelfRegistration selfRegistration;
    platform::Win32Processes processes;
    platform::Win32Shell shell;
    PumpingInteraction ui;
    platform::Win32ErrorText errors;
    platform::Platform platform{registry,  files, versions, selfRegistration,
                                processes, shell, ui,       errors};
    std::unique_ptr<ui::Form> form;
    App app;
};

}  // namespace tzp::testing
