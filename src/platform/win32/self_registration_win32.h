#pragma once
// Filter libraries loaded with the system's loader, their self-registration entry point
// run on a worker thread while the window's thread waits without freezing the window.
#include <vector>

#include "platform/self_registration.h"
#include "platform/win32/handles.h"

namespace tzp::platform {

// The owner of an entry point's worker thread (or of any thread, for the wait alone).
class Win32EntryPointThread : public EntryPointThread {
  public:
    // `leftRunning`, when given, takes the thread's handle if the thread still runs when
    // its owner goes.
    explicit Win32EntryPointThread(UniqueHandleT thread,
                                   std::vector<UniqueHandleT>* leftRunning = nullptr)
        : thread_(std::move(thread)), leftRunning_(leftRunning) {}
    ~Win32EntryPointThread() override;
    Win32EntryPointThread(const Win32EntryPointThread&) = delete;
    Win32EntryPointThread& operator=(const Win32EntryPointThread&) = delete;

    // Keeps the window painted meanwhile, and drops the user's input to it, so that
    // nothing the user does starts a second action halfway through the pass.
    bool Wait(uint32_t milliseconds) override;
    uint32_t ExitCode() override;

  private:
    UniqueHandleT thread_;
    std::vector<UniqueHandleT>* leftRunning_;
};

class Win32SelfRegistration : public SelfRegistrationService {
  public:
    LoadResult Load(const std::string& path) override;
    int LibraryBits(const std::string& path) override;
    // The worker holds a reference of its own on the library that holds the entry point
    // and lets go of it when the entry point returns, so the library can never be
    // unloaded under a running entry point: the owners of a library and of a thread that
    // still runs can both go.
    ThreadStart StartThread(EntryPoint entry) override;

    // From now on the threads still running when their owners go are kept, for
    // WaitForTheLeftRunning: the registration host ends only once they have returned.
    void KeepTheLeftRunning() { keepLeftRunning_ = true; }
    void WaitForTheLeftRunning();

  private:
    bool keepLeftRunning_ = false;
    std::vector<UniqueHandleT> leftRunning_;
};

}  // namespace tzp::platform
