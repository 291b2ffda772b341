#pragma once
// Filter libraries loaded with the system's loader, their self-registration entry point
// run on a worker thread while the window's thread waits without freezing the window.
#include "platform/self_registration.h"

namespace tzp::platform {

class Win32SelfRegistration : public SelfRegistrationService {
  public:
    // With a host, the pass runs the libraries there; without one, in this process.
    explicit Win32SelfRegistration(RegistrationHost* host = nullptr) : host_(host) {}
    RegistrationHost* Host() override { return host_; }

    LoadResult Load(const std::string& path) override;
    int LibraryBits(const std::string& path) override;
    std::optional<EntryPoint> FindEntryPoint(ModuleHandle module, const std::string& name) override;
    // The worker holds a reference of its own on the library that holds the entry point
    // and lets go of it when the entry point returns, so the library can never be
    // unloaded under a running entry point.
    std::optional<ThreadHandle> StartThread(EntryPoint entry, uint32_t& error) override;
    // Keeps the window painted meanwhile, and drops the user's input to it, so that
    // nothing the user does starts a second action halfway through the pass.
    bool WaitForThread(ThreadHandle thread, uint32_t milliseconds) override;
    uint32_t ThreadExitCode(ThreadHandle thread) override;
    void CloseThread(ThreadHandle thread) override;
    void Free(ModuleHandle module) override;
    // The worker's own reference keeps the library loaded until its entry point returns,
    // and the worker lets go of it then: the library is unloaded once it ends.
    void Abandon(ModuleHandle module, ThreadHandle thread) override;

  private:
    RegistrationHost* host_;
};

}  // namespace tzp::platform
