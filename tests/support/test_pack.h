#pragma once
// A pack laid out for a test: the pack directory (the program, Langs\en.ini and fr.ini,
// Settings\exts.ini, Sav\) and an installation directory, with the two values the
// program reads from HKEY_CURRENT_USER.
#include <optional>
#include <string>
#include <string_view>

#include "support/wine_files.h"

namespace tzp::testing {

// The program the tests lay out in packs: the build's own, or the one that
// TZP_PROGRAM_UNDER_TEST names by its Linux path (the test command so runs the start-up
// and command-line cases against the program as it ships).
std::string ProgramUnderTest();

class TestPack {
  public:
    // `folderName` may hold spaces, to exercise quoting.
    explicit TestPack(const std::string& folderName = "Test Pack");

    const std::string& PackDir() const { return packDir_; }
    // With a trailing backslash, as the program holds it.
    std::string InstallDir() const { return installDir_ + "\\"; }
    const std::string& InstallDirNoSlash() const { return installDir_; }
    std::string ProgramPath() const { return packDir_ + "\\tzpcp.exe"; }

    // Copies the built program into the pack directory.
    void InstallProgram();
    // Copies the filter test libraries into the installation's filtres\ folder.
    int InstallFilterLibraries();
    // Writes cpllang and the installation directory under HKCU.
    void Register(const std::string& languageCode = "en");

  private:
    ScratchDir scratch_{PackParentFolder()};
    std::string packDir_;
    std::string installDir_;
};

// HKCU\SOFTWARE\Tessaly Zivozod Pack values, for tests that change them.
void SetPackRegistryValue(const std::string& valueName, const std::string& value);
void DeletePackRegistryValue(const std::string& valueName);

// The file a filter class is registered to (its InprocServer32 default), if any.
std::optional<std::string> InprocServer(std::string_view clsid);
// Removes every class of the catalogue from both registry views, so that no test sees
// another's registrations.
void UnregisterEveryFilter();

// The two views of the registry that 64-bit Windows keeps for classes and
// HKLM\Software: the one of this program's bitness (what it reads and what libraries of
// its bitness write), and the other one (a program of the other bitness's).
enum class RegistryView { Own, Other };
// The access flag that opens a key in the view (KEY_WOW64_32KEY or KEY_WOW64_64KEY).
unsigned long ViewFlag(RegistryView view);
// A class's InprocServer32 default in the given view, written or read there.
bool SetInprocServerIn(RegistryView view, std::string_view clsid, const std::string& path);
std::optional<std::string> InprocServerIn(RegistryView view, std::string_view clsid);

}  // namespace tzp::testing
