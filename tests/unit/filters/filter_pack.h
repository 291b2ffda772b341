#pragma once
// A control panel on test doubles with filter libraries in its installation directory.
#include <string>

#include <gtest/gtest.h>

#include "fakes/fake_system.h"
#include "filters/catalogue.h"

namespace tzp::testing {

inline std::string InstallPath(std::string_view relative) {
    return std::string(fakes::kInstallDir) + "\\" + std::string(relative);
}

// A library on disk with a version resource, loadable with both entry points.
inline void AddLibrary(fakes::FakeSystem& sys, std::string_view relative, uint32_t ms = 0x10002,
                       uint32_t ls = 0x30004) {
    const std::string path = InstallPath(relative);
    sys.files.AddFile(path, "MZ");
    sys.versions.Add(path, {{ms, ls, 2}, std::nullopt, {}});
    sys.selfRegistration.Add(path);
}

inline void AddEveryLibrary(fakes::FakeSystem& sys) {
    for (const auto& row : filters::Catalogue()) {
        if (!row.library.empty()) {
            AddLibrary(sys, row.library);
        }
    }
}

inline void RegisterClass(fakes::FakeSystem& sys, std::string_view clsid,
                          const std::string& server) {
    sys.registry.Set("HKCR\\CLSID\\{" + std::string(clsid) + "}\\InprocServer32\\", server);
}

// A started control panel with every filter library present.
struct FilterPackTest : ::testing::Test {
    fakes::FakeSystem sys;
    ui::Form& form() { return *sys.form; }
    void SetUp() override {
        sys.InstallStandardPack();
        AddEveryLibrary(sys);
        sys.Start();
    }
};

}  // namespace tzp::testing
