#include "profiles/import_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../filters/filter_pack.h"
#include "profile_test_support.h"
#include "profiles/settings_check.h"

namespace tzp::profiles {
namespace {

using testing::Utf16Le;

// The same text with the units' bytes swapped: big-endian, its mark included.
std::string Swapped(std::string bytes) {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::swap(bytes[i], bytes[i + 1]);
    }
    return bytes;
}

constexpr const char* kRun =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]";

TEST(ImportCheck, PassesTheProfileKeysAndTheKeysBelowThemInAnyCase) {
    const std::string saved =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\"a\"=dword:00000001\r\n"
        "[HKEY_CURRENT_USER\\Software\\GNU\\ffdshow\\default]\r\n"
        "[hkey_local_machine\\SOFTWARE\\gnu\\FFDSHOW_AUDIO]\r\n"
        "  [-HKEY_LOCAL_MACHINE\\Software\\On2 Technologies\\old]\r\n"
        "\"b\"=\"[HKEY_LOCAL_MACHINE\\\\Software]\"\r\n";
    EXPECT_EQ(FindRefusedSection(saved), std::nullopt);
    EXPECT_EQ(FindRefusedSection(Utf16Le("Windows Registry Editor Version 5.00\r\n\r\n"
                                         "[HKEY_LOCAL_MACHINE\\Software\\NorviMkx]\r\n"
                                         "\"\xC3\xA9t\xC3\xA9\"=\"1\"\r\n")),
              std::nullopt);
    EXPECT_EQ(FindRefusedSection("REGEDIT4\r\n"), std::nullopt);
}

TEST(ImportCheck, RefusesTheFirstSectionOutsideTheProfileKeys) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n") + kRun +
             "\r\n\"x\"=\"evil.exe\"\r\n[HKEY_CLASSES_ROOT\\x]\r\n",
         kRun},
        // Deleting a key outside is refused as well.
        {"REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\Software\\Policies]\r\n",
         "[-HKEY_LOCAL_MACHINE\\Software\\Policies]"},
        // Names that only start like a profile key, or stand above one.
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\GNU\\ffdshowX]\r\n",
         "[HKEY_CURRENT_USER\\Software\\GNU\\ffdshowX]"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\GNU]\r\n",
         "[HKEY_CURRENT_USER\\Software\\GNU]"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Quorel ]\r\n",
         "[HKEY_CURRENT_USER\\Software\\Quorel ]"},
        {"REGEDIT4\r\n[HKCU\\Software\\Quorel]\r\n", "[HKCU\\Software\\Quorel]"},
        // A profile key under the other root.
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Quorel]\r\n",
         "[HKEY_LOCAL_MACHINE\\Software\\Quorel]"},
        // Hidden behind blanks, a NUL or a lone CR; a section without its ']'.
        {std::string("REGEDIT4\r\n\t \xA0") + kRun + "\r\n", kRun},
        {std::string("REGEDIT4\r\n\"a\"=\"b\"\0", 18) + kRun, kRun},
        {std::string("REGEDIT4\r[HKEY_CURRENT_USER\\Software\\Quorel]\r") + kRun, kRun},
        {"REGEDIT4\r\n[HKEY_USERS\\.DEFAULT\r\n", "[HKEY_USERS\\.DEFAULT"},
        // UTF-16: letters that only fold to ASCII ones in Unicode name other keys.
        {Utf16Le(std::string("Windows Registry Editor Version 5.00\r\n") + kRun + "\r\n"), kRun},
        {Utf16Le("Windows Registry Editor Version 5.00\r\n"
                 "[HKEY_LOCAL_MACHINE\\Software\\NorviM\xE2\x84\xAAx]\r\n"),
         "[HKEY_LOCAL_MACHINE\\Software\\NorviM\xE2\x84\xAAx]"},
        // Big-endian with its mark; a character beyond the first plane shows whole, and an
        // odd last byte is no character.
        {Swapped(Utf16Le(std::string("Windows Registry Editor Version 5.00\r\n") + kRun)), kRun},
        {Utf16Le("Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\\xF0\x9F\x98\x80]") + "x",
         "[HKEY_USERS\\\xF0\x9F\x98\x80]"},
        // UTF-16 without its mark is not read as UTF-16 by the editor either.
        {Utf16Le("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n", false), "["},
    };
    for (const auto& [file, section] : cases) {
        EXPECT_EQ(FindRefusedSection(file), section) << file;
    }
}

TEST(ImportCheck, AnApplyImportsNothingFromARefusedFileAndSaysWhich) {
    fakes::FakeSystem sys;
    sys.InstallStandardPack();
    tzp::testing::AddEveryLibrary(sys);
    sys.files.AddFile("C:\\Pack\\Sav\\Cinema.sav", "");
    sys.files.AddFile("C:\\Pack\\Sav\\Cinema.reg", std::string("REGEDIT4\r\n") + kRun + "\r\n");
    sys.Start();
    sys.form->SetText("Combo1", "Cinema");
    sys.form->SetValueQuietly("Check6", 1);
    sys.ui.answers = {platform::Answer::Yes};
    sys.form->Click("Command3");
    EXPECT_TRUE(sys.processes.started.empty());
    EXPECT_EQ(sys.selfRegistration.log.empty(), false);  // the pass still ran
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{"The settings of this profile were not imported: its "
                                        "registry file writes outside the filters' settings.\n"
                                        "C:\\Pack\\Sav\\Cinema.reg\n" +
                                            std::string(kRun),
                                        "en 034"}));
}

// The check and the comparison of a profile's settings read a file's sections alike: the
// check refuses a key outside the profile keys exactly when the comparison reads one.
TEST(ImportCheck, RefusesTheSectionsTheSettingsComparisonReads) {
    const std::string outside = "HKEY_LOCAL_MACHINE\\Software\\Evil";
    const std::string quorel = "[HKEY_CURRENT_USER\\Software\\Quorel]";
    const std::string files[] = {
        "REGEDIT4\r\n" + quorel + "\r\n\"a\"=\"1\"\r\n[" + outside + "]\r\n\"b\"=\"2\"\r\n",
        "REGEDIT4\n" + quorel + "\n[" + outside + "]\n\"b\"=\"2\"\n",
        "REGEDIT4\r" + quorel + "\r[" + outside + "]\r\"b\"=\"2\"\r",
        "REGEDIT4\r\n \t[" + outside + "] ; after the name\r\n\"b\"=\"2\"\r\n",
        "REGEDIT4\r\n[-" + outside + "]\r\n",
        Utf16Le("Windows Registry Editor Version 5.00\r\n[" + outside + "]\r\n@=\"x\"\r\n"),
        "REGEDIT4\r\n" + quorel + "\r\n\"a\"=hex:01,\\\r\n  02\r\n[" + outside + "]\r\n@=\"x\"\r\n",
        // The key only in a value's data, and not at all.
        "REGEDIT4\r\n" + quorel + "\r\n\"a\"=\"[" + outside + "]\"\r\n",
        "REGEDIT4\r\n" + quorel + "\r\n\"a\"=\"1\"\r\n",
    };
    for (const auto& file : files) {
        const auto wanted = ReadWantedSettings(file);
        ASSERT_TRUE(wanted) << file;
        const bool read = std::any_of(wanted->begin(), wanted->end(),
                                      [&](const auto& setting) { return setting.key == outside; });
        const auto refused = FindRefusedSection(file);
        EXPECT_EQ(refused.has_value(), read) << file;
        EXPECT_TRUE(!refused || refused->find(outside) != std::string::npos) << file;
    }
}

}  // namespace
}  // namespace tzp::profiles
