#include "fakes/fake_files.h"

#include <algorithm>

#include "platform/text.h"

namespace tzp::fakes {

using platform::Status;

std::string FakeFiles::Key(const std::string& path) {
    std::string key = platform::UnicodeLower(path);
    while (key.size() > 3 && key.back() == '\\') {
        key.pop_back();
    }
    return key;
}

std::string FakeFiles::Parent(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::optional<std::string> FakeFiles::ReadAll(const std::string& path) {
    const auto it = files_.find(Key(path));
    if (it == files_.end() || unreadable_.count(Key(path)) != 0) {
        return std::nullopt;
    }
    return it->second.bytes;
}

Status FakeFiles::Step(bool needsRoom) {
    ++steps;
    if (steps == refusedStep_) {
        return Status::Fail(refusedError_);
    }
    if (needsRoom && fullFromStep_ != 0 && steps >= fullFromStep_) {
        return Status::Fail(platform::kErrorDiskFull);
    }
    return Status::Ok();
}

Status FakeFiles::WriteAllAtomic(const std::string& path, std::string_view bytes) {
    std::string temporary;
    if (const Status written = WriteTemporary(path, bytes, temporary); !written.ok()) {
        return written;
    }
    const Status replaced = Replace(temporary, path);
    if (!replaced.ok()) {
        files_.erase(Key(temporary));
    }
    return replaced;
}

Status FakeFiles::WriteTemporary(const std::string& path, std::string_view bytes,
                                 std::string& temporary) {
    const std::string key = Key(path);
    if (denied_.count(key) != 0 || denied_.count(Key(Parent(path))) != 0) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    if (folders_.count(Key(Parent(path))) == 0) {
        return Status::Fail(platform::kErrorPathNotFound);
    }
    if (folders_.count(key) != 0) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    if (const Status step = Step(true); !step.ok()) {
        return step;
    }
    temporary = path + ".tmp";
    auto& file = files_[Key(temporary)];
    file.name = temporary.substr(temporary.rfind('\\') + 1);
    file.bytes = std::string(bytes);
    return Status::Ok();
}

Status FakeFiles::Replace(const std::string& temporary, const std::string& path) {
    const auto from = files_.find(Key(temporary));
    if (from == files_.end()) {
        return Status::Fail(platform::kErrorFileNotFound);
    }
    if (denied_.count(Key(path)) != 0 || denied_.count(Key(Parent(path))) != 0) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    if (const Status step = Step(false); !step.ok()) {
        return step;
    }
    ++writes;
    auto& file = files_[Key(path)];
    if (file.name.empty()) {
        file.name = path.substr(path.rfind('\\') + 1);
    }
    file.bytes = std::move(from->second.bytes);
    files_.erase(Key(temporary));
    return Status::Ok();
}

bool FakeFiles::FileExists(const std::string& path) {
    return files_.count(Key(path)) != 0;
}

bool FakeFiles::DirectoryExists(const std::string& path) {
    return folders_.count(Key(path)) != 0;
}

namespace {

class FakePrivateCopy : public platform::PrivateCopy {
  public:
    FakePrivateCopy(FakeFiles& files, std::string path) : files_(files), path_(std::move(path)) {}
    ~FakePrivateCopy() override { (void)files_.Remove(path_); }
    const std::string& Path() const override { return path_; }
    std::optional<std::string> Read() override { return files_.ReadAll(path_); }

  private:
    FakeFiles& files_;
    std::string path_;
};

}  // namespace

platform::PrivateCopyResult FakeFiles::WritePrivateCopy(std::string_view bytes) {
    AddFolder(kPrivateFolder);
    if (const Status step = Step(true); !step.ok()) {
        return {nullptr, step};
    }
    std::string path =
        std::string(kPrivateFolder) + "\\import-" + std::to_string(++privateCopies) + ".reg";
    AddFile(path, bytes);
    return {std::make_unique<FakePrivateCopy>(*this, std::move(path)), Status::Ok()};
}

Status FakeFiles::Remove(const std::string& path) {
    const std::string key = Key(path);
    if (denied_.count(key) != 0 || denied_.count(Key(Parent(path))) != 0) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    if (files_.count(key) == 0) {
        return Status::Fail(platform::kErrorFileNotFound);
    }
    if (const Status step = Step(false); !step.ok()) {
        return step;
    }
    return files_.erase(key) != 0 ? Status::Ok() : Status::Fail(platform::kErrorFileNotFound);
}

namespace {

// "*.ext" patterns and "*" are all the program uses.
bool MatchesPattern(const std::string& lowerName, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") {
        return true;
    }
    if (pattern.substr(0, 1) == "*") {
        const std::string tail = platform::UnicodeLower(pattern.substr(1));
        return lowerName.size() >= tail.size() &&
               lowerName.compare(lowerName.size() - tail.size(), tail.size(), tail) == 0;
    }
    return lowerName == platform::UnicodeLower(pattern);
}

}  // namespace

std::vector<std::string> FakeFiles::ListFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::pair<std::string, std::string>> found;  // (sort key, name)
    const std::string folderKey = Key(folder);
    for (const auto& [key, file] : files_) {
        if (Parent(key) == folderKey) {
            const std::string lowerName = platform::UnicodeLower(file.name);
            if (MatchesPattern(lowerName, pattern)) {
                found.emplace_back(lowerName, file.name);
            }
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& entry : found) {
        names.push_back(std::move(entry.second));
    }
    return names;
}

void FakeFiles::AddFolder(const std::string& path) {
    for (size_t slash = path.find('\\'); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
        folders_.insert(Key(path.substr(0, slash)));
    }
    folders_.insert(Key(path));
}

void FakeFiles::AddFile(const std::string& path, std::string_view bytes) {
    AddFolder(Parent(path));
    auto& file = files_[Key(path)];
    file.name = path.substr(path.rfind('\\') + 1);
    file.bytes = std::string(bytes);
}

void FakeFiles::RefuseStep(int step, uint32_t error) {
    refusedStep_ = step;
    refusedError_ = error;
}

void FakeFiles::FillDiskAtStep(int step) {
    fullFromStep_ = step;
}

void FakeFiles::DenyWrites(const std::string& path) {
    denied_.insert(Key(path));
}

void FakeFiles::DenyReads(const std::string& path) {
    unreadable_.insert(Key(path));
}

std::optional<std::string> FakeFiles::Content(const std::string& path) const {
    const auto it = files_.find(Key(path));
    if (it == files_.end()) {
        return std::nullopt;
    }
    return it->second.bytes;
}

}  // namespace tzp::fakes
