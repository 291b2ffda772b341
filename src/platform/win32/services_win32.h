#pragma once
// The real platform services, one of each, for a process to hand its logic. The loader,
// the interaction and the registration host differ between the window, the command line
// and the registration host itself, so each process gives its own.
#include "platform/platform.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/version_win32.h"

namespace tzp::platform {

struct Win32Services {
    Win32Registry registry;
    Win32Files files;
    Win32Versions versions;
    Win32Processes processes;
    Win32Shell shell;
    Win32ErrorText errors;

    Platform With(SelfRegistrationService& loader, Interaction& ui,
                  RegistrationHost* host = nullptr) {
        return {registry, files, versions, loader, processes, shell, ui, errors, host};
    }
};

}  // namespace tzp::platform
