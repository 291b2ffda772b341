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
    PrivateCopyResult WritePrivateCopy(std::string_view bytes) override;
    void RemoveLeftPrivateCopies() override;
};

// The folder of the running program, without a trailing backslash.
std::string ProgramFolder();
// This program's own file, whatever the length of its path.
std::wstring OwnProgramPath();
// Holds this program's own file for as long as it runs, shared for reading only. A
// running program can be renamed, though not removed: someone who can write to its
// folder could otherwise move it aside and put another in its place, which the next
// apply would start as the registration host, with this program's rights and no prompt.
void HoldOwnProgramFile();

}  // namespace tzp::platform
