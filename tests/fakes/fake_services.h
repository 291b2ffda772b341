#pragma once
// Test doubles for the version service, the library loader, processes and the shell.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/error_text.h"
#include "platform/processes.h"
#include "platform/self_registration.h"
#include "platform/version_info.h"

namespace tzp::fakes {

struct FakeVersionResource {
    platform::FixedFileInfo fixed;
    std::optional<std::array<uint8_t, 4>> translation;
    std::map<std::string, std::string> strings;  // sub-block -> value
};

class FakeVersions : public platform::VersionService {
  public:
    std::unique_ptr<platform::VersionBlock> Open(const std::string& path) override;
    // Resources by path; paths compare without regard to case.
    void Add(const std::string& path, FakeVersionResource resource);

  private:
    std::map<std::string, FakeVersionResource> resources_;
};

struct FakeLibrary {
    std::vector<std::string> exports{"DllRegisterServer", "DllUnregisterServer"};
    bool hangs = false;      // the entry point never returns within the wait
    uint32_t result = 0;     // what the entry point returns (an HRESULT)
    uint32_t loadError = 0;  // not 0: the library cannot be loaded, with this error
    int bits = 0;            // the bitness its header gives, for a library not loaded
};

// Libraries by path; each exports the entry points listed, whose calls are recorded.
class FakeSelfRegistration : public platform::SelfRegistrationService {
  public:
    using Library = FakeLibrary;

    platform::LoadResult Load(const std::string& path) override;
    int LibraryBits(const std::string& path) override;
    platform::ThreadStart StartThread(platform::EntryPoint entry) override;

    void Add(const std::string& path, Library library = Library());
    bool failThreadStart = false;

    // "load:<path>", "run:<path>|<entry>", "wait:<ms>", "close" (a thread that ended let
    // go of), "leave:<path>" (one let go of while it still runs), "free:<path>"; and just
    // the entry points that ran, as "<path>|<entry>".
    std::vector<std::string> log;
    std::vector<std::string> calls;
    int loadedNow = 0;  // libraries loaded and not yet freed

    // For the owners this service hands out.
    const Library& LibraryAt(const std::string& path) const;
    std::optional<platform::EntryPoint> Export(const std::string& path, const std::string& name);

  private:
    std::map<std::string, Library> libraries_;
    std::vector<std::string> entries_;  // entry point value - 1 -> "path|name"
};

// The same words for every code: "error <code>".
class FakeErrorText : public platform::ErrorTextService {
  public:
    std::string Describe(uint32_t error) override { return "error " + std::to_string(error); }
};

class FakeProcesses : public platform::ProcessService {
  public:
    platform::StartResult Start(const std::string& commandLine,
                                platform::WindowStyle style) override;

    struct Started {
        std::string commandLine;
        platform::WindowStyle style;
    };
    std::vector<Started> started;
    // Called for each start: may act as the program would (write files, ...) and
    // decides whether the start succeeds.
    std::function<bool(const std::string& commandLine)> onStart;
    // How many WaitForExit polls a started process takes to end (0: ended at once).
    int pollsUntilExit = 0;
    bool neverExits = false;
    // The command lines of the started processes that were ended by Terminate.
    std::vector<std::string> terminated;
    uint32_t exitCode = 0;  // of every started process
    // The private copies a started process was asked to hold until it has ended, held
    // here as long as the fake lives.
    std::vector<std::unique_ptr<platform::PrivateCopy>> keptUntilExit;
};

class FakeShell : public platform::ShellService {
  public:
    platform::Status OpenAddress(const std::string& address) override;
    std::optional<std::string> AssociatedProgram(const std::string& extension) override;
    platform::Status OpenDefaultProgramsSettings() override;
    void NotifyAssociationsChanged() override;
    std::vector<std::string> opened;
    // Opening these addresses fails with "file not found".
    std::vector<std::string> failingAddresses;
    // What the shell resolves per extension, as given; an extension not listed resolves
    // to nothing.
    std::map<std::string, std::optional<std::string>> resolved;
    std::vector<std::string> queried;
    int settingsOpened = 0;
    platform::Status settingsResult = platform::Status::Ok();
    int associationsChangedNotices = 0;
};

}  // namespace tzp::fakes
