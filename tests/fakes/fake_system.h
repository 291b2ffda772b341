#pragma once
// A whole control panel on test doubles: the window model, every platform service,
// and a pack directory "C:\Pack" with an installation directory "C:\Install\".
#include <memory>

#include "fakes/fake_files.h"
#include "fakes/fake_interaction.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"
#include "core/app.h"
#include "ui/form.h"

namespace tzp::fakes {

inline constexpr const char* kPackDir = "C:\\Pack";
inline constexpr const char* kInstallDir = "C:\\Install";

struct FakeSystem {
    FakeSystem();

    FakeRegistry registry;
    FakeFiles files;
    FakeVersions versions;
    FakeSelfRegistration selfRegistration;
    FakeProcesses processes;
    FakeShell shell;
    FakeInteraction ui;
    FakeErrorText errors;
    platform::Platform platform{registry,  files, versions, selfRegistration,
                                processes, shell, ui,       errors};
    std::unique_ptr<ui::Form> form;
    App app;

    // The usual pack: en.ini and fr.ini with a line per id ("<id>=text <id>"),
    // the language and installation values in HKCU, an empty Settings and Sav.
    void InstallStandardPack();
    // Wires every behaviour and runs the load sequence.
    void Start();
};

// A language file holding "<id>=<prefix><id>" for every id the program uses.
std::string MakeLanguageFile(const std::string& prefix);

}  // namespace tzp::fakes
