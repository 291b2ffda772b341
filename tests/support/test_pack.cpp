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

std::string ProgramUnderTest() {
    wchar_t path[32768] = {};
    const DWORD length = GetEnvironmentVariableW(L"TZP_PROGRAM_UNDER_TEST", path, 32768);
    if (length == 0 || length >= 32768) {
        return BuildPath("tzpcp.exe");
    }
    return ToWinePath(platform::Narrow(std::wstring(path, length)));
}

void TestPack::InstallProgram() {
    CopyOneFile(ProgramUnderTest(), ProgramPath());
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

unsigned long ViewFlag(RegistryView view) {
    const bool own = view == RegistryView::Own;
    return (sizeof(void*) == 4) == own ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

namespace {

std::wstring ClassKey(std::string_view clsid) {
    return L"Software\\Classes\\CLSID\\{" + platform::Widen(clsid) + L"}";
}

}  // namespace

bool SetInprocServerIn(RegistryView view, std::string_view clsid, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (ClassKey(clsid) + L"\\InprocServer32").c_str(), 0,
                        nullptr, 0, KEY_SET_VALUE | ViewFlag(view), nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring data = platform::Widen(path);
    const LSTATUS written =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

std::optional<std::string> InprocServerIn(RegistryView view, std::string_view clsid) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (ClassKey(clsid) + L"\\InprocServer32").c_str(), 0,
                      KEY_QUERY_VALUE | ViewFlag(view), &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    const LSTATUS read = RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, data, &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return platform::Narrow(data);
}

void UnregisterEveryFilter() {
    for (const auto view : {RegistryView::Own, RegistryView::Other}) {
        HKEY classes = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID", 0,
                          KEY_ALL_ACCESS | ViewFlag(view), &classes) != ERROR_SUCCESS) {
            continue;
        }
        for (const auto& row : filters::Catalogue()) {
            for (const auto clsid : row.clsids) {
                RegDeleteTreeW(classes, (L"{" + platform::Widen(clsid) + L"}").c_str());
            }
        }
        RegCloseKey(classes);
    }
    // Per-user registrations too, which the merged view shows above the machine's.
    for (const auto& row : filters::Catalogue()) {
        for (const auto clsid : row.clsids) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT,
                           (L"CLSID\\{" + platform::Widen(clsid) + L"}").c_str());
        }
    }
}

}  // namespace tzp::testing
