#pragma once
#include "platform/files.h"

namespace tzp::platform {

class Win32Files : public FileService {
  public:
    std::optional<std::string> ReadAll(const std::string& path) override;
    Status WriteAllAtomic(const std::string& path, std::string_view bytes) override;
    Status WriteTemporary(const std::string& path, std::string_view bytes,
                          std::string& temporary) override;
    Status Replace(const std::string& temporary, const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    Status Remove(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder,
                                       std::string_view pattern) override;
    Status WritePrivateCopy(std::string_view bytes, std::string& path) override;
    void RemoveLeftPrivateCopies() override;
    std::string DescribeError(uint32_t error) override;
};

// The folder of the running program, without a trailing backslash.
std::string ProgramFolder();
// This program's own file, whatever the length of its path.
std::wstring OwnProgramPath();

}  // namespace tzp::platform
