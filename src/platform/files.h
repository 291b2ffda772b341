#pragma once
// Files of the pack and installation directories. Paths are Windows paths in UTF-8
// ("C:\Pack\Sav\a.sav"); names compare without regard to letter case, as on Windows.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace tzp::platform {

// A copy of bytes that a program running as administrator is handed (the profile's
// registry file for the registry editor), in a folder made for it alone, which only the
// system, administrators and this account can change. It is held open from its writing
// until it is released, shared for reading only, so nobody can change, rename or remove
// it meanwhile: the bytes checked are the bytes imported. Releasing it removes it.
class PrivateCopy {
  public:
    virtual ~PrivateCopy() = default;
    virtual const std::string& Path() const = 0;
    // Its bytes, read through the handle that holds it; nullopt when they cannot be read.
    virtual std::optional<std::string> Read() = 0;
};

struct PrivateCopyResult {
    std::unique_ptr<PrivateCopy> copy;  // set when written
    Status status;
};

class FileService {
  public:
    virtual ~FileService() = default;
    // The whole file as bytes; nullopt when it cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Replaces the file whole: the bytes go to a temporary file in the same folder,
    // which then takes the file's place, so a failure never leaves half a file.
    virtual Status WriteAllAtomic(const std::string& path, std::string_view bytes) = 0;
    // The two steps of WriteAllAtomic, for a caller that replaces several files together:
    // every file's bytes are on the disk before the first replacement, which needs no
    // room on it. WriteTemporary writes the bytes to a temporary file beside `path` and
    // names it in `temporary`; a failed write leaves no temporary file.
    virtual Status WriteTemporary(const std::string& path, std::string_view bytes,
                                  std::string& temporary) = 0;
    // Puts the temporary file in the place of `path` in one step; on failure both stay.
    virtual Status Replace(const std::string& temporary, const std::string& path) = 0;
    // True when the length of the file can be read; a directory is not a file.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual Status Remove(const std::string& path) = 0;
    // Names (without folder) of the files in `folder` matching a pattern such as
    // "*.sav", in name order without regard to case. Empty for a missing folder.
    virtual std::vector<std::string> ListFiles(const std::string& folder,
                                               std::string_view pattern) = 0;
    // Writes the bytes to a new private copy, held until it is released.
    virtual PrivateCopyResult WritePrivateCopy(std::string_view bytes) = 0;
    // Removes the private copies an earlier run left (one whose program ended after it).
    virtual void RemoveLeftPrivateCopies() {}
};

}  // namespace tzp::platform
