#include "support/test_pack.h"

#include <windows.h>

#include "filters/catalogue.h"
#include "platform/reg.h"
#include "platform/win32/wide.h"
#include "platform/win32/registry_win32.h"

namespace tzp::testing {

TestPack::TestPack(const std::string& folderName)
    : packDir_(scratch_.Path() + "\\" + folderName),
      installDir_(scratch_.Path() + "\\Install Dir") {
    MakeDirs(packDir_ + "\\Langs");
    MakeDirs(packDir_ + "\\Settings");
    MakeDirs(packDir_ + "\\Sav");
    MakeDirs(installDir_ + "\\filtres");
    MakeDirs(installDir_ + "\\mpc");
    CopyOneFile(SourcePath("langs/en.ini"), packDir_ + "\\Langs\\en.ini");
    CopyOneFile(SourcePath("langs/fr.ini"), packDir_ + "\\Langs\\fr.ini");
    WriteBytes(packDir_ + "\\Settings\\exts.ini", "");
}

void TestPack::InstallProgram() {
    CopyOneFile(BuildPath("tzpcp.exe"), ProgramPath());
}

int TestPack::InstallFilterLibraries() {
    return CopyFolderFiles(BuildPath("testlibs/filtres"), installDir_ + "\\filtres");
}

void TestPack::Register(const std::string& languageCode) {
    SetPackRegistryValue("cpllang", languageCode);
    SetPackRegistryValue("", installDir_);
}

void SetPackRegistryValue(const std::string& valueName, const std::string& value) {
    platform::Win32Registry registry;
    (void)platform::WriteRegValue(registry, platform::kRootCurrentUser,
                                  "SOFTWARE\\Tessaly Zivozod Pack\\" + valueName, value, 0);
}

void DeletePackRegistryValue(const std::string& valueName) {
    platform::Win32Registry registry;
    platform::DeleteRegEntry(registry, platform::kRootCurrentUser,
                             "SOFTWARE\\Tessaly Zivozod Pack\\" + valueName);
}

std::optional<std::string> InprocServer(std::string_view clsid) {
    const std::wstring key = L"CLSID\\{" + platform::Widen(clsid) + L"}\\InprocServer32";
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, data,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return platform::Narrow(data);
}

void UnregisterEveryFilter() {
    for (const auto& row : filters::Catalogue()) {
        for (const auto clsid : row.clsids) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT,
                           (L"CLSID\\{" + platform::Widen(clsid) + L"}").c_str());
        }
    }
}

}  // namespace tzp::testing
