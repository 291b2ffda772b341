#pragma once
#include "platform/processes.h"

namespace tzp::platform {

// Programs started with CreateProcessW; the window style goes to their first window.
class Win32Processes : public ProcessService {
  public:
    StartResult Start(const std::string& commandLine, WindowStyle style) override;
};

// Addresses and documents opened with ShellExecuteW and the verb "open"; associations
// resolved by the shell's own AssocQueryStringW.
class Win32Shell : public ShellService {
  public:
    Status OpenAddress(const std::string& address) override;
    std::optional<std::string> AssociatedProgram(const std::string& extension) override;
    // control.exe /name Microsoft.DefaultPrograms.
    Status OpenDefaultProgramsSettings() override;
    // SHChangeNotify with SHCNE_ASSOCCHANGED.
    void NotifyAssociationsChanged() override;
};

}  // namespace tzp::platform
