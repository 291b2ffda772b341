// How long a full build of the association lists takes on the real registry: the 74
// catalogue extensions and 1000 personal ones, each with a class key, a ProgID and a
// command, so that every lookup makes its four reads and finds something. Prints the
// times; asserts nothing. Keys it creates are removed again; existing ones are left alone.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "assoc/association_lists.h"
#include "assoc/catalogue.h"
#include "platform/reg.h"
#include "platform/win32/self_registration_win32.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/wide.h"
#include "ui/form1_controls.h"
#include "ui/win32/native_window.h"

namespace {

using namespace tzp;

constexpr int kPersonal = 1000;
constexpr int kRuns = 5;

bool ClassKeyExists(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, platform::Widen(name).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Gives the extension an association unless it has a class key already.
void Associate(platform::RegistryService& registry, const std::string& ext, int n,
               std::vector<std::string>& created) {
    if (ClassKeyExists(ext)) {
        return;
    }
    const std::string progId = "TzpBench.File" + std::to_string(n);
    (void)platform::WriteRegValue(registry, 0, ext + "\\", progId, 0);
    (void)platform::WriteRegValue(registry, 0, progId + "\\shell\\open\\command\\",
                                  R"("C:\Program Files\Bench Player\bplayer.exe" "%1")", 0);
    created.push_back(ext);
    created.push_back(progId);
}

template <typename Build>
std::vector<double> Time(Build build) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        build();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("%-44s min %8.1f ms  median %8.1f ms  max %8.1f ms\n", what, ms.front(),
                ms[ms.size() / 2], ms.back());
}

}  // namespace

int wmain() {
    platform::Win32Services system;
    platform::Win32SelfRegistration selfRegistration;
    platform::NoInteraction ui;
    auto platform = system.With(selfRegistration, ui);
    auto& registry = system.registry;
    auto& files = system.files;

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string pack = platform::Narrow(temp) + "tzp bench pack";
    CreateDirectoryW(platform::Widen(pack).c_str(), nullptr);
    CreateDirectoryW(platform::Widen(pack + "\\Settings").c_str(), nullptr);

    std::vector<std::string> created;
    int n = 0;
    for (const auto ext : assoc::kVideoExtensions) {
        Associate(registry, std::string(ext), n++, created);
    }
    for (const auto ext : assoc::kAudioExtensions) {
        Associate(registry, std::string(ext), n++, created);
    }
    std::string exts;
    for (int i = 0; i < kPersonal; ++i) {
        const std::string ext = ".tzpbench" + std::to_string(i);
        Associate(registry, ext, n++, created);
        exts += ext + "\r\n";
    }
    (void)files.WriteAllAtomic(pack + "\\Settings\\exts.ini", exts);

    auto form = ui::CreateForm1();
    App app{*form, platform, pack};
    form->SetText("errr", "none");

    std::printf("Association list build: %zu catalogue + %d personal extensions, %d runs\n",
                assoc::kVideoExtensions.size() + assoc::kAudioExtensions.size(), kPersonal, kRuns);
    Print("window model only (logic and registry):",
          Time([&] { assoc::BuildAssociationLists(app); }));

    // The same with the native window attached, so every entry also goes into a
    // Win32 list box.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::NativeWindow window(*form);
    if (window.Create(GetModuleHandleW(nullptr))) {
        Print("with the native window's list boxes:",
              Time([&] { assoc::BuildAssociationLists(app); }));
    }
    std::printf("entries: List1 %zu, List2 %zu, List3 %zu; sample: %s\n",
                form->Entries("List1").size(), form->Entries("List2").size(),
                form->Entries("List3").size(), form->Entries("List3").back().text.c_str());

    for (const auto& key : created) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, platform::Widen(key).c_str());
    }
    DeleteFileW(platform::Widen(pack + "\\Settings\\exts.ini").c_str());
    RemoveDirectoryW(platform::Widen(pack + "\\Settings").c_str());
    RemoveDirectoryW(platform::Widen(pack).c_str());
    return 0;
}
