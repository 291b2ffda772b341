#pragma once
// Starting other programs from a command line.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/status.h"

namespace tzp::platform {

// The window style of a started program's first window.
enum class WindowStyle { Hidden = 0, Normal = 1, Minimized = 2 };

class RunningProcess {
  public:
    virtual ~RunningProcess() = default;
    // Ends this process (and no other), and returns once it has ended or could not be
    // ended; false when it is still running.
    virtual bool Terminate() = 0;
    // True when the process has ended within the time (0 polls).
    virtual bool WaitForExit(uint32_t milliseconds) = 0;
    // The exit code of a process that has ended; nullopt when it cannot be had.
    virtual std::optional<uint32_t> ExitCode() { return std::nullopt; }
    // Holds the copy until the process has ended, then releases it, without anyone
    // waiting for it (this object may go first). Where that cannot be arranged the copy
    // stays held until this program ends, and goes at its next start.
    virtual void KeepUntilExit(std::unique_ptr<PrivateCopy> copy) { (void)copy.release(); }
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
    // The program the shell starts for a file of the extension (".mkv") with its default
    // verb, resolved as Explorer resolves it, the user's own choice included; nullopt
    // when the shell names none.
    virtual std::optional<std::string> AssociatedProgram(const std::string& extension) = 0;
    // Opens the Control Panel's page where the user picks the programs that open each file
    // type: the page before Windows 10, and where the Settings app's cannot be opened.
    virtual Status OpenDefaultProgramsSettings() = 0;
    // Tells the shell and every program that watches it that associations have changed,
    // so that icons, "Open with" and the default apps settings show them now.
    virtual void NotifyAssociationsChanged() = 0;
};

}  // namespace tzp::platform
