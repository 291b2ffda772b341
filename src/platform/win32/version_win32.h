#pragma once
#include "platform/version_info.h"

namespace tzp::platform {

// Placeholder until the version service lands: every file reads as having no version.
class Win32Versions : public VersionService {
public:
    std::unique_ptr<VersionBlock> Open(const std::string&) override { return nullptr; }
};

}  // namespace tzp::platform
