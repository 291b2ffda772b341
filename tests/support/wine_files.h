#pragma once
// Files and folders for the Windows tests, which run under Wine: the build's and the
// repository's files are reached through drive Z:.
#include <optional>
#include <string>

namespace tzp::testing {

// "/a/b" -> "Z:\a\b".
std::string ToWinePath(const std::string& unixPath);
// A file the build made or the repository holds, by its path relative to the build or
// source folder, written with forward slashes.
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

bool MakeDirs(const std::string& path);
bool CopyOneFile(const std::string& from, const std::string& to);
// Copies every file of a folder (not its subfolders); returns how many.
int CopyFolderFiles(const std::string& from, const std::string& to);
bool WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
bool Exists(const std::string& path);
void RemoveTree(const std::string& path);

// The temporary folder, without a trailing backslash.
std::string TempFolder();
// Where a test lays out a pack: as users' machines have it, the 32-bit programs'
// folder ("C:\Program Files (x86)", spaces and parentheses) for the i686 build, which
// runs as a 32-bit program on 64-bit Windows; the temporary folder for the x86_64 build.
std::string PackParentFolder();

// A fresh folder under `parent` (the temporary folder by default), removed with
// everything in it at the end.
class ScratchDir {
  public:
    explicit ScratchDir(const std::string& parent = TempFolder());
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace tzp::testing
