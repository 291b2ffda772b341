#include "fakes/fake_services.h"

#include <algorithm>

#include "platform/text.h"

namespace tzp::fakes {

namespace {

class FakeVersionBlock : public platform::VersionBlock {
  public:
    explicit FakeVersionBlock(FakeVersionResource resource) : resource_(std::move(resource)) {}
    std::optional<platform::FixedFileInfo> Fixed() const override { return resource_.fixed; }
    std::optional<std::array<uint8_t, 4>> FirstTranslation() const override {
        return resource_.translation;
    }
    std::optional<std::string> QueryString(const std::string& subBlock) const override {
        const auto it = resource_.strings.find(subBlock);
        if (it == resource_.strings.end()) {
            return std::nullopt;
        }
        return it->second;
    }

  private:
    FakeVersionResource resource_;
};

class FakeRunningProcess : public platform::RunningProcess {
  public:
    FakeRunningProcess(int polls, bool never, uint32_t exitCode, std::function<void()> onTerminate,
                       std::vector<std::unique_ptr<platform::PrivateCopy>>& keptUntilExit)
        : polls_(polls),
          never_(never),
          exitCode_(exitCode),
          onTerminate_(std::move(onTerminate)),
          keptUntilExit_(keptUntilExit) {}
    bool Terminate() override {
        onTerminate_();
        never_ = false;
        polls_ = 0;
        return true;
    }
    bool WaitForExit(uint32_t) override {
        if (never_) {
            return false;
        }
        if (polls_ > 0) {
            --polls_;
            return false;
        }
        return true;
    }
    std::optional<uint32_t> ExitCode() override { return exitCode_; }
    void KeepUntilExit(std::unique_ptr<platform::PrivateCopy> copy) override {
        keptUntilExit_.push_back(std::move(copy));
    }

  private:
    int polls_;
    bool never_;
    uint32_t exitCode_;
    std::function<void()> onTerminate_;
    std::vector<std::unique_ptr<platform::PrivateCopy>>& keptUntilExit_;
};

class FakeLoadedLibrary : public platform::LoadedLibrary {
  public:
    FakeLoadedLibrary(FakeSelfRegistration& loader, std::string path)
        : loader_(loader), path_(std::move(path)) {}
    ~FakeLoadedLibrary() override {
        loader_.log.push_back("free:" + path_);
        --loader_.loadedNow;
    }
    std::optional<platform::EntryPoint> FindEntryPoint(const std::string& name) override {
        return loader_.Export(path_, name);
    }

  private:
    FakeSelfRegistration& loader_;
    std::string path_;
};

class FakeEntryPointThread : public platform::EntryPointThread {
  public:
    // `call` is "<path>|<entry point>".
    FakeEntryPointThread(FakeSelfRegistration& loader, std::string call)
        : loader_(loader), path_(call.substr(0, call.find('|'))) {}
    ~FakeEntryPointThread() override {
        loader_.log.push_back(Library().hangs ? "leave:" + path_ : "close");
    }
    bool Wait(uint32_t milliseconds) override {
        loader_.log.push_back("wait:" + std::to_string(milliseconds));
        return !Library().hangs;
    }
    uint32_t ExitCode() override { return Library().result; }

  private:
    const FakeLibrary& Library() const { return loader_.LibraryAt(path_); }

    FakeSelfRegistration& loader_;
    std::string path_;
};

}  // namespace

std::unique_ptr<platform::VersionBlock> FakeVersions::Open(const std::string& path) {
    const auto it = resources_.find(platform::UnicodeLower(path));
    if (it == resources_.end()) {
        return nullptr;
    }
    return std::make_unique<FakeVersionBlock>(it->second);
}

void FakeVersions::Add(const std::string& path, FakeVersionResource resource) {
    resources_[platform::UnicodeLower(path)] = std::move(resource);
}

void FakeSelfRegistration::Add(const std::string& path, Library library) {
    libraries_[platform::UnicodeLower(path)] = std::move(library);
}

const FakeLibrary& FakeSelfRegistration::LibraryAt(const std::string& path) const {
    return libraries_.at(platform::UnicodeLower(path));
}

std::optional<platform::EntryPoint> FakeSelfRegistration::Export(const std::string& path,
                                                                 const std::string& name) {
    const auto& exports = LibraryAt(path).exports;
    if (std::find(exports.begin(), exports.end(), name) == exports.end()) {
        return std::nullopt;
    }
    entries_.push_back(path + "|" + name);
    return platform::EntryPoint{entries_.size()};
}

platform::LoadResult FakeSelfRegistration::Load(const std::string& path) {
    log.push_back("load:" + path);
    const auto it = libraries_.find(platform::UnicodeLower(path));
    if (it == libraries_.end()) {
        return {nullptr, platform::kErrorFileNotFound};
    }
    if (it->second.loadError != 0) {
        return {nullptr, it->second.loadError};
    }
    ++loadedNow;
    return {std::make_unique<FakeLoadedLibrary>(*this, path), 0};
}

int FakeSelfRegistration::LibraryBits(const std::string& path) {
    const auto it = libraries_.find(platform::UnicodeLower(path));
    return it == libraries_.end() ? 0 : it->second.bits;
}

platform::ThreadStart FakeSelfRegistration::StartThread(platform::EntryPoint entry) {
    if (failThreadStart) {
        return {nullptr, platform::kErrorNotEnoughMemory};
    }
    const std::string& call = entries_.at(entry.value - 1);
    log.push_back("run:" + call);
    calls.push_back(call);
    return {std::make_unique<FakeEntryPointThread>(*this, call), 0};
}

platform::StartResult FakeProcesses::Start(const std::string& commandLine,
                                           platform::WindowStyle style) {
    started.push_back({commandLine, style});
    platform::StartResult result;
    if (onStart && !onStart(commandLine)) {
        result.status = platform::Status::Fail(platform::kErrorFileNotFound);
        result.errorText = "The system cannot find the file specified.";
        return result;
    }
    result.process = std::make_unique<FakeRunningProcess>(
        pollsUntilExit, neverExits, exitCode,
        [this, commandLine] { terminated.push_back(commandLine); }, keptUntilExit);
    return result;
}

platform::Status FakeShell::OpenAddress(const std::string& address) {
    opened.push_back(address);
    const bool fails = std::find(failingAddresses.begin(), failingAddresses.end(), address) !=
                       failingAddresses.end();
    return fails ? platform::Status::Fail(platform::kErrorFileNotFound) : platform::Status::Ok();
}

std::optional<std::string> FakeShell::AssociatedProgram(const std::string& extension) {
    queried.push_back(extension);
    const auto found = resolved.find(extension);
    return found == resolved.end() ? std::nullopt : found->second;
}

platform::Status FakeShell::OpenDefaultProgramsSettings() {
    ++settingsOpened;
    return settingsResult;
}

void FakeShell::NotifyAssociationsChanged() {
    ++associationsChangedNotices;
}

}  // namespace tzp::fakes
