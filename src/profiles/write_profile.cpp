#include "profiles/write_profile.h"

#include <optional>

#include "profiles/key_export.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {

namespace {

std::string BuildRegistryFile(App& app, std::vector<std::string>& leftOut) {
    std::string registryFile = std::string(kRegistryFileHeader) + "\r\n";
    for (const char* key : kProfileKeys) {
        AppendKeyExport(app, key, registryFile, leftOut);
    }
    const std::string temporary = TemporaryExportPath(app);
    if (app.sys.files.FileExists(temporary)) {
        // A leftover temporary file is untidy but harms nothing: the next save removes
        // it before its first export.
        (void)app.sys.files.Remove(temporary);
    }
    return registryFile;
}

// Writes `bytes` to `path`, remembering what was there so that it can be put back.
struct Replacement {
    std::string path;
    std::optional<std::string> previous;  // nullopt: there was no file
};

platform::Status Replace(App& app, const std::string& path, std::string_view bytes,
                         Replacement& replacement) {
    auto& files = app.sys.files;
    replacement.path = path;
    if (files.FileExists(path)) {
        replacement.previous = files.ReadAll(path);
        if (!replacement.previous) {
            // A file that cannot be read could not be put back after a failure.
            return platform::Status::Fail(platform::kErrorAccessDenied);
        }
    }
    return files.WriteAllAtomic(path, bytes);
}

void PutBack(App& app, const Replacement& replacement) {
    auto& files = app.sys.files;
    if (replacement.previous) {
        (void)files.WriteAllAtomic(replacement.path, *replacement.previous);
    } else {
        (void)files.Remove(replacement.path);
    }
}

}  // namespace

WriteOutcome WriteProfile(App& app, std::string_view name) {
    WriteOutcome outcome;
    // The states are taken before the exports, which let window events run.
    const std::string stateFile = BuildStateFile(app.form);
    app.sys.ui.DoEvents();
    const std::string registryFile = BuildRegistryFile(app, outcome.leftOut);

    // The registry file goes first: the state file is what lists the profile, so a
    // profile never shows up without its settings.
    Replacement registry;
    outcome.status = Replace(app, RegistryFilePath(app, name), registryFile, registry);
    if (!outcome.status.ok()) {
        outcome.failedPath = registry.path;
        return outcome;
    }
    Replacement state;
    outcome.status = Replace(app, StateFilePath(app, name), stateFile, state);
    if (!outcome.status.ok()) {
        outcome.failedPath = state.path;
        PutBack(app, registry);
    }
    app.sys.ui.DoEvents();
    return outcome;
}

}  // namespace tzp::profiles
