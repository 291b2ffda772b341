#pragma once
// The version resource of a file, as the platform's version service hands it out.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tzp::platform {

struct FixedFileInfo {
    uint32_t fileVersionMS = 0;
    uint32_t fileVersionLS = 0;
    uint32_t fileType = 0;
};

class VersionBlock {
  public:
    virtual ~VersionBlock() = default;
    virtual std::optional<FixedFileInfo> Fixed() const = 0;
    // The first four bytes of "\VarFileInfo\Translation", as stored.
    virtual std::optional<std::array<uint8_t, 4>> FirstTranslation() const = 0;
    // A string value such as "\StringFileInfo\040904B0\LegalCopyright", UTF-8.
    virtual std::optional<std::string> QueryString(const std::string& subBlock) const = 0;
};

class VersionService {
  public:
    virtual ~VersionService() = default;
    // nullptr when the file is missing or holds no version resource.
    virtual std::unique_ptr<VersionBlock> Open(const std::string& path) = 0;
};

}  // namespace tzp::platform
