#include "fakes/fake_system.h"

#include <cstdio>

#include "shell/startup.h"
#include "ui/form1_controls.h"

namespace tzp::fakes {

FakeSystem::FakeSystem() : form(ui::CreateForm1()), app{*form, platform, kPackDir} {}

std::string MakeLanguageFile(const std::string& prefix) {
    std::string content = "; test language file\r\n";
    auto add = [&](int id) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%03d", id);
        content += std::string(buffer) + "=" + prefix + buffer + "\r\n";
    };
    for (int id = 0; id <= 70; ++id) {
        add(id);
    }
    for (int id = 997; id <= 999; ++id) {
        add(id);
    }
    return content;
}

void FakeSystem::InstallStandardPack() {
    files.AddFile(std::string(kPackDir) + "\\Langs\\en.ini", MakeLanguageFile("en "));
    files.AddFile(std::string(kPackDir) + "\\Langs\\fr.ini", MakeLanguageFile("fr "));
    files.AddFile(std::string(kPackDir) + "\\Settings\\exts.ini", "");
    files.AddFolder(std::string(kPackDir) + "\\Sav");
    files.AddFolder(std::string(kInstallDir) + "\\filtres");
    registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "en");
    registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\", kInstallDir);
}

void FakeSystem::Start() {
    shell::WireForm(app);
    shell::RunLoadSequence(app);
}

}  // namespace tzp::fakes
