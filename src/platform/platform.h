#pragma once
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/processes.h"
#include "platform/registration_host.h"
#include "platform/registry.h"
#include "platform/self_registration.h"
#include "platform/version_info.h"

namespace tzp::platform {

// Every service the logic reaches the system through. The Win32 build wires the real
// ones; native tests wire test doubles.
struct Platform {
    RegistryService& registry;
    FileService& files;
    VersionService& versions;
    SelfRegistrationService& selfRegistration;
    ProcessService& processes;
    ShellService& shell;
    Interaction& ui;
    ErrorTextService& errors;
    // The process the pass runs the libraries in; none to run them in this one (inside
    // that host itself, and where there is no such process).
    RegistrationHost* host = nullptr;
};

}  // namespace tzp::platform
