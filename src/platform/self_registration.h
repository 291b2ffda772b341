#pragma once
// Loading a filter library and running its self-registration entry point on a
// worker thread. Handles are opaque to the logic.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tzp::platform {

class RegistrationHost;

struct ModuleHandle {
    uintptr_t value = 0;
};
struct EntryPoint {
    uintptr_t value = 0;
};
struct ThreadHandle {
    uintptr_t value = 0;
};

struct LoadResult {
    std::optional<ModuleHandle> module;
    uint32_t error = 0;  // the system's error code when the library was not loaded
};

class SelfRegistrationService {
  public:
    virtual ~SelfRegistrationService() = default;
    virtual LoadResult Load(const std::string& path) = 0;
    // 32 or 64 from the header of the library file at `path`; 0 when the file cannot be
    // read or is no library. Asked only when a library could not be loaded.
    virtual int LibraryBits(const std::string& path) = 0;
    virtual std::optional<EntryPoint> FindEntryPoint(ModuleHandle module,
                                                     const std::string& name) = 0;
    // The error code when no thread could be started.
    virtual std::optional<ThreadHandle> StartThread(EntryPoint entry, uint32_t& error) = 0;
    // True when the thread ended within the time. While it waits the window keeps
    // repainting, but user input to it is dropped.
    virtual bool WaitForThread(ThreadHandle thread, uint32_t milliseconds) = 0;
    // The entry point's result, for a thread that has ended.
    virtual uint32_t ThreadExitCode(ThreadHandle thread) = 0;
    virtual void CloseThread(ThreadHandle thread) = 0;
    virtual void Free(ModuleHandle module) = 0;
    // A library whose entry point is still running after the wait: it must stay
    // loaded while its thread runs; the service releases both once the thread ends.
    virtual void Abandon(ModuleHandle module, ThreadHandle thread) = 0;
    // The process the pass runs the libraries in, or nullptr to run them in this one
    // (inside that host itself, and where there is no such process).
    virtual RegistrationHost* Host() { return nullptr; }
};

// The bitness a library file was built for, from the first bytes of the file (the DOS
// header, then the PE header it points to): 32, 64, or 0 when the bytes are no library
// header or stop before the machine field.
int LibraryBitsFromHeader(std::string_view bytes);

}  // namespace tzp::platform
