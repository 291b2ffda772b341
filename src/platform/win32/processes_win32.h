#pragma once
#include "platform/processes.h"

namespace tzp::platform {

// Programs started with CreateProcessW; the window style goes to their first window.
class Win32Processes : public ProcessService {
  public:
    StartResult Start(const std::string& commandLine, WindowStyle style) override;
};

// Addresses and documents opened with ShellExecuteW and the verb "open".
class Win32Shell : public ShellService {
  public:
    Status OpenAddress(const std::string& address) override;
};

}  // namespace tzp::platform
