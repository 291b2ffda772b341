#pragma once
// Loading a filter library and running its self-registration entry point on a
// worker thread. The logic holds the library and the thread through move-only owners.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tzp::platform {

// The address of an entry point in a loaded library; it owns nothing.
struct EntryPoint {
    uintptr_t value = 0;
};

// A library loaded for its entry points, freed when its owner goes. An entry point still
// running on its thread holds the library for itself, so the library is unloaded only
// once that has returned too.
class LoadedLibrary {
  public:
    virtual ~LoadedLibrary() = default;
    virtual std::optional<EntryPoint> FindEntryPoint(const std::string& name) = 0;
};

// An entry point running on a worker thread of its own. Letting go of the owner of a
// thread that still runs leaves it to run: it lets go of its library once it returns.
class EntryPointThread {
  public:
    virtual ~EntryPointThread() = default;
    // True when the thread ended within the time. While it waits the window keeps
    // repainting, but user input to it is dropped.
    virtual bool Wait(uint32_t milliseconds) = 0;
    // The entry point's result, for a thread that has ended.
    virtual uint32_t ExitCode() = 0;
};

struct LoadResult {
    std::unique_ptr<LoadedLibrary> library;  // set when loaded
    uint32_t error = 0;  // the system's error code when the library was not loaded
};

struct ThreadStart {
    std::unique_ptr<EntryPointThread> thread;  // set when started
    uint32_t error = 0;                        // the system's error code when not
};

class SelfRegistrationService {
  public:
    virtual ~SelfRegistrationService() = default;
    virtual LoadResult Load(const std::string& path) = 0;
    // 32 or 64 from the header of the library file at `path`; 0 when the file cannot be
    // read or is no library. Asked only when a library could not be loaded.
    virtual int LibraryBits(const std::string& path) = 0;
    // Runs the entry point, of a library loaded by this service, on a thread of its own.
    virtual ThreadStart StartThread(EntryPoint entry) = 0;
};

// The bitness a library file was built for, from the first bytes of the file (the DOS
// header, then the PE header it points to): 32, 64, or 0 when the bytes are no library
// header or stop before the machine field.
int LibraryBitsFromHeader(std::string_view bytes);

}  // namespace tzp::platform
