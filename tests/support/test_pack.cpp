#include "support/test_pack.h"

#include "platform/reg.h"
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

}  // namespace tzp::testing
