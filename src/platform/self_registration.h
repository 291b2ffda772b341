#pragma once
// Loading a filter library and running its self-registration entry point on a
// worker thread. Handles are opaque to the logic.
#include <cstdint>
#include <optional>
#include <string>

namespace tzp::platform {

struct ModuleHandle {
    uintptr_t value = 0;
};
struct EntryPoint {
    uintptr_t value = 0;
};
struct ThreadHandle {
    uintptr_t value = 0;
};

class SelfRegistrationService {
  public:
    virtual ~SelfRegistrationService() = default;
    virtual std::optional<ModuleHandle> Load(const std::string& path) = 0;
    virtual std::optional<EntryPoint> FindEntryPoint(ModuleHandle module,
                                                     const std::string& name) = 0;
    virtual std::optional<ThreadHandle> StartThread(EntryPoint entry) = 0;
    // True when the thread ended within the time. While it waits the window keeps
    // repainting, but user input to it is dropped.
    virtual bool WaitForThread(ThreadHandle thread, uint32_t milliseconds) = 0;
    virtual void CloseThread(ThreadHandle thread) = 0;
    virtual void Free(ModuleHandle module) = 0;
    // A library whose entry point is still running after the wait: it must stay
    // loaded while its thread runs; the service releases both once the thread ends.
    virtual void Abandon(ModuleHandle module, ThreadHandle thread) = 0;
};

}  // namespace tzp::platform
