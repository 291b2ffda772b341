#include "profiles/key_export.h"

#include "profiles/export_conversion.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {

namespace {

// Waits for the process while letting the window repaint; false when it has not ended
// within the time limit.
bool WaitWithEvents(App& app, platform::RunningProcess& process) {
    for (uint32_t waited = 0; waited < kExportTimeLimitMs; waited += kExportPollMs) {
        if (process.WaitForExit(kExportPollMs)) {
            return true;
        }
        app.sys.ui.DoEvents();
    }
    return process.WaitForExit(0);
}

// Runs the registry editor for one key; false when the export did not run to its end.
bool RunExport(App& app, std::string_view key) {
    auto started =
        app.sys.processes.Start(ExportCommandLine(app, key), platform::WindowStyle::Minimized);
    if (!started.status.ok() || !started.process) {
        return false;
    }
    if (WaitWithEvents(app, *started.process)) {
        return true;
    }
    // An editor that hangs holds the temporary export file, and every later key of the
    // save would be left out with it: end that editor, then go on.
    started.process->Terminate();
    return false;
}

}  // namespace

std::string ExportCommandLine(const App& app, std::string_view key) {
    return "regedit.exe /e /s \"" + TemporaryExportPath(app) + "\" \"" + std::string(key) + "\"";
}

void AppendKeyExport(App& app, std::string_view key, std::string& registryFile,
                     std::vector<std::string>& leftOut) {
    auto& files = app.sys.files;
    const std::string temporary = TemporaryExportPath(app);
    // The editor writes nothing for a missing key, so a file left by an earlier export
    // must be gone first; if it cannot be removed, no export can be told from it.
    if (files.FileExists(temporary) && !files.Remove(temporary).ok()) {
        leftOut.emplace_back(key);
        return;
    }
    if (!RunExport(app, key)) {
        leftOut.emplace_back(key);
        return;
    }
    app.sys.ui.DoEvents();
    if (!files.FileExists(temporary)) {
        return;  // no such key: nothing to keep
    }
    const auto bytes = files.ReadAll(temporary);
    const auto converted = bytes ? ConvertKeyExport(*bytes, key) : std::nullopt;
    if (!converted) {
        leftOut.emplace_back(key);
        return;
    }
    for (const auto& line : converted->lines) {
        registryFile += line;
        registryFile += "\r\n";
    }
    leftOut.insert(leftOut.end(), converted->leftOut.begin(), converted->leftOut.end());
    app.sys.ui.DoEvents();
}

}  // namespace tzp::profiles
