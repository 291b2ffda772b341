#pragma once
// An in-memory file system with Windows path rules: names compare without regard to
// case, folders must exist before files are written into them.
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace tzp::fakes {

class FakeFiles : public platform::FileService {
  public:
    std::optional<std::string> ReadAll(const std::string& path) override;
    platform::Status WriteAllAtomic(const std::string& path, std::string_view bytes) override;
    platform::Status WriteTemporary(const std::string& path, std::string_view bytes,
                                    std::string& temporary) override;
    platform::Status Replace(const std::string& temporary, const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    platform::Status Remove(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder,
                                       std::string_view pattern) override;
    platform::PrivateCopyResult WritePrivateCopy(std::string_view bytes) override;

    // Where private copies go, numbered from 1 ("C:\Temp\tzpcp\import-1.reg"); a copy
    // is removed when it is released.
    static constexpr const char* kPrivateFolder = "C:\\Temp\\tzpcp";
    int privateCopies = 0;

    // Set-up: creates the folders on the way.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, std::string_view bytes);
    // Writes to this file (or into this folder) fail with access denied.
    void DenyWrites(const std::string& path);
    // The file stays (its length can be read) but reading it fails, as for a locked one.
    void DenyReads(const std::string& path);
    std::optional<std::string> Content(const std::string& path) const;

    int writes = 0;  // files replaced

    // Faults of the disk. Every call that changes it (a temporary file written, a file
    // replaced or removed) is a step, counted in `steps` from 1.
    int steps = 0;
    // Refuses that one step with the error.
    void RefuseStep(int step, uint32_t error = platform::kErrorAccessDenied);
    // From that step on the disk is full: every temporary file fails to be written, and
    // what fails is left out, as a failed write leaves nothing.
    void FillDiskAtStep(int step);

  private:
    platform::Status Step(bool needsRoom);

    static std::string Key(const std::string& path);
    static std::string Parent(const std::string& path);

    struct File {
        std::string name;  // as first written, for listings
        std::string bytes;
    };
    std::map<std::string, File> files_;
    std::set<std::string> folders_;
    std::set<std::string> denied_;
    std::set<std::string> unreadable_;
    int refusedStep_ = 0;
    uint32_t refusedError_ = 0;
    int fullFromStep_ = 0;
};

}  // namespace tzp::fakes
