#pragma once
#include "platform/self_registration.h"

namespace tzp::platform {

// Placeholder until the library loader lands: no library loads.
class Win32SelfRegistration : public SelfRegistrationService {
public:
    std::optional<ModuleHandle> Load(const std::string&) override { return std::nullopt; }
    std::optional<EntryPoint> FindEntryPoint(ModuleHandle, const std::string&) override {
        return std::nullopt;
    }
    std::optional<ThreadHandle> StartThread(EntryPoint) override { return std::nullopt; }
    bool WaitForThread(ThreadHandle, uint32_t) override { return true; }
    void CloseThread(ThreadHandle) override {}
    void Free(ModuleHandle) override {}
    void Abandon(ModuleHandle, ThreadHandle) override {}
};

}  // namespace tzp::platform
