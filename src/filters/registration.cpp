#include "filters/registration.h"

#include <optional>

#include "filters/catalogue.h"
#include "platform/paths.h"

namespace tzp::filters {

namespace {

std::optional<std::string> EntryPointFor(std::string_view mode) {
    if (mode.empty()) {
        return "DllRegisterServer";
    }
    if (mode == "u" || mode == "U") {
        return "DllUnregisterServer";
    }
    return std::nullopt;
}

std::string_view ModeOf(const App& app, std::string_view box) {
    return app.form.Value(box) == 1 ? "" : "u";
}

void RunRow(App& app, std::string_view box, std::string_view mode) {
    RunSelfRegistration(app, app.form.Text("filterpath") + std::string(Row(box).library), mode);
}

void ApplySplitterGroup(App& app) {
    if (app.form.Value(kSplitterMaster) == 1) {
        RunRow(app, kSplitterMaster, "");
        for (const auto member : SplitterRegisterOrder()) {
            RunRow(app, member, ModeOf(app, member));
        }
    } else {
        RunRow(app, kSplitterMaster, "u");
        for (const auto member : SplitterUnregisterOrder()) {
            RunRow(app, member, "u");
        }
    }
}

}  // namespace

void RunSelfRegistration(App& app, const std::string& path, std::string_view mode) {
    auto& loader = app.sys.selfRegistration;
    auto& ui = app.sys.ui;
    // The mode is looked at before loading, so that a mode that runs nothing does not
    // leave the library loaded.
    const auto entryName = EntryPointFor(mode);
    // Windows looks for a library named by a relative path in the current folder and
    // along the search path, where a stranger's library may sit.
    if (!entryName || !platform::IsAbsolutePath(path)) {
        return;
    }
    const auto module = loader.Load(path);
    if (!module) {
        return;
    }
    const auto entry = loader.FindEntryPoint(*module, *entryName);
    if (!entry) {
        ui.SetBusyCursor(false);
        loader.Free(*module);
        return;
    }
    ui.SetBusyCursor(true);
    const auto thread = loader.StartThread(*entry);
    if (!thread) {
        ui.SetBusyCursor(false);
        loader.Free(*module);
        return;
    }
    if (loader.WaitForThread(*thread, kEntryPointWaitMs)) {
        loader.CloseThread(*thread);
        loader.Free(*module);
    } else {
        // Unloading the library under a running entry point would crash the program;
        // the loader keeps it until the thread ends, and the pass goes on.
        loader.Abandon(*module, *thread);
    }
    ui.SetBusyCursor(false);
}

void ApplyFilterStates(App& app) {
    for (const auto box : RegistrationOrder()) {
        if (box == kSplitterMaster) {
            ApplySplitterGroup(app);
        } else {
            RunRow(app, box, ModeOf(app, box));
        }
    }
}

}  // namespace tzp::filters
