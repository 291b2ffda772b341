#pragma once
// Starting other programs from a command line.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/status.h"

namespace tzp::platform {

// The window style of a started program's first window.
enum class WindowStyle { Hidden = 0, Normal = 1, Minimized = 2 };

class RunningProcess {
  public:
    virtual ~RunningProcess() = default;
    // True when the process has ended within the time (0 polls).
    virtual bool WaitForExit(uint32_t milliseconds) = 0;
    // The exit code of a process that has ended; nullopt when it cannot be had.
    virtual std::optional<uint32_t> ExitCode() { return std::nullopt; }
};

struct StartResult {
    Status status;
    std::string errorText;                    // the platform's wording, on failure
    std::unique_ptr<RunningProcess> process;  // set when started
};

class ProcessService {
  public:
    virtual ~ProcessService() = default;
    virtual StartResult Start(const std::string& commandLine, WindowStyle style) = 0;
};

class ShellService {
  public:
    virtual ~ShellService() = default;
    // Opens a document or web address with the user's default handler ("open").
    virtual Status OpenAddress(const std::string& address) = 0;
};

}  // namespace tzp::platform
