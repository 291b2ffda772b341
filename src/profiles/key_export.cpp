#include "profiles/key_export.h"

#include "profiles/export_conversion.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {

namespace {

// Waits for the process while letting the window repaint; false when it has not ended
// within the time limit.
bool WaitWithEvents(PackServices& pack, platform::RunningProcess& process) {
    for (uint32_t waited = 0; waited < kExportTimeLimitMs; waited += kExportPollMs) {
        if (process.WaitForExit(kExportPollMs)) {
            return true;
        }
        pack.sys.ui.DoEvents();
    }
    return process.WaitForExit(0);
}

// Runs the registry editor for one key; false when the export did not run to its end.
bool RunExport(PackServices& pack, std::string_view key) {
    auto started =
        pack.sys.processes.Start(ExportCommandLine(pack, key), platform::WindowStyle::Minimized);
    if (!started.status.ok() || !started.process) {
        return false;
    }
    if (WaitWithEvents(pack, *started.process)) {
        return true;
    }
    // An editor that hangs holds the temporary export file, and every later key of the
    // save would be left out with it: end that editor, then go on.
    started.process->Terminate();
    return false;
}

}  // namespace

std::string ExportCommandLine(const PackServices& pack, std::string_view key) {
    return "regedit.exe /e /s \"" + TemporaryExportPath(pack) + "\" \"" + std::string(key) + "\"";
}

void AppendKeyExport(PackServices& pack, std::string_view key, std::string& registryFile,
                     std::vector<std::string>& leftOut) {
    auto& files = pack.sys.files;
    const std::string temporary = TemporaryExportPath(pack);
    // The editor writes nothing for a missing key, so a file left by an earlier export
    // must be gone first; if it cannot be removed, no export can be told from it.
    if (files.FileExists(temporary) && !files.Remove(temporary).ok()) {
        leftOut.emplace_back(key);
        return;
    }
    if (!RunExport(pack, key)) {
        leftOut.emplace_back(key);
        return;
    }
    pack.sys.ui.DoEvents();
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
    pack.sys.ui.DoEvents();
}

}  // namespace tzp::profiles
