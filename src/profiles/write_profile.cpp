#include "profiles/write_profile.h"

#include <array>
#include <optional>

#include "profiles/key_export.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {

namespace {

std::string BuildRegistryFile(PackServices& pack, std::vector<std::string>& leftOut) {
    std::string registryFile = std::string(kRegistryFileHeader) + "\r\n";
    for (const char* key : kProfileKeys) {
        AppendKeyExport(pack, key, registryFile, leftOut);
    }
    const std::string temporary = TemporaryExportPath(pack);
    if (pack.sys.files.FileExists(temporary)) {
        // A leftover temporary file is untidy but harms nothing: the next save removes
        // it before its first export.
        (void)pack.sys.files.Remove(temporary);
    }
    return registryFile;
}

// One of the two files: its new bytes, what was there before (nullopt: no file), and
// the temporary file that holds the new bytes until it takes the file's place.
struct Replacement {
    std::string path;
    std::string bytes;
    std::optional<std::string> previous;
    std::string temporary;
};

platform::Status Prepare(PackServices& pack, Replacement& file) {
    auto& files = pack.sys.files;
    if (files.FileExists(file.path)) {
        file.previous = files.ReadAll(file.path);
        if (!file.previous) {
            // A file that cannot be read could not be put back after a failure.
            return platform::Status::Fail(platform::kErrorAccessDenied);
        }
    }
    return files.WriteTemporary(file.path, file.bytes, file.temporary);
}

void Discard(PackServices& pack, const Replacement& file) {
    if (!file.temporary.empty()) {
        (void)pack.sys.files.Remove(file.temporary);
    }
}

void PutBack(PackServices& pack, const Replacement& file) {
    auto& files = pack.sys.files;
    if (file.previous) {
        (void)files.WriteAllAtomic(file.path, *file.previous);
    } else {
        (void)files.Remove(file.path);
    }
}

}  // namespace

WriteOutcome WriteProfile(App& app, std::string_view name) {
    WriteOutcome outcome;
    // The states are taken before the exports, which let window events run.
    const std::string stateFile = BuildStateFile(app.form);
    app.sys.ui.DoEvents();
    const std::string registryFile = BuildRegistryFile(app, outcome.leftOut);

    // Both files are written whole as temporary files before either takes its place:
    // a full disk or a refused write then leaves the profile as it was. Putting them in
    // place needs no room on the disk. The registry file goes first, as the state file
    // is what lists the profile, so a profile never shows up without its settings.
    std::array<Replacement, 2> files{{{RegistryFilePath(app, name), registryFile, {}, {}},
                                      {StateFilePath(app, name), stateFile, {}, {}}}};
    auto fail = [&](const Replacement& file, platform::Status status) {
        outcome.status = status;
        outcome.failedPath = file.path;
        for (const auto& each : files) {
            Discard(app, each);
        }
        return outcome;
    };
    for (auto& file : files) {
        if (const auto status = Prepare(app, file); !status.ok()) {
            file.temporary.clear();
            return fail(file, status);
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (const auto status = app.sys.files.Replace(files[i].temporary, files[i].path);
            !status.ok()) {
            for (size_t done = 0; done < i; ++done) {
                PutBack(app, files[done]);
            }
            return fail(files[i], status);
        }
        files[i].temporary.clear();
    }
    app.sys.ui.DoEvents();
    return outcome;
}

}  // namespace tzp::profiles
