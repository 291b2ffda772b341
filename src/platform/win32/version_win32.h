#pragma once
// The version resources of files, through the system's version API.
#include "platform/version_info.h"

namespace tzp::platform {

class Win32Versions : public VersionService {
  public:
    std::unique_ptr<VersionBlock> Open(const std::string& path) override;
};

}  // namespace tzp::platform
