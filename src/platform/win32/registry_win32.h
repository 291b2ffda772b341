#pragma once
#include "platform/registry.h"

namespace tzp::platform {

// The registry through the Win32 registry API.
class Win32Registry : public RegistryService {
  public:
    std::optional<std::string> Read(const RegName& name) override;
    Status Write(const RegName& name, std::string_view value, RegType type) override;
    Status Delete(const RegName& name) override;
    RegLookup ReadData(const RegName& name) override;
    std::optional<std::vector<std::string>> SubKeyNames(const RegName& name) override;
    std::optional<std::vector<RegNamedValue>> Values(const RegName& name) override;
};

}  // namespace tzp::platform
