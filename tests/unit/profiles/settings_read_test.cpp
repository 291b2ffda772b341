// What a profile's registry file leaves behind, as /check compares it: each value and
// deleted key once, in the order the file last touched it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/settings_check.h"

namespace tzp::profiles {
namespace {

// "key|name" for a value, "key|-" for a deleted key.
std::vector<std::string> Effect(const std::string& lines) {
    const auto wanted = ReadWantedSettings("REGEDIT4\r\n" + lines);
    std::vector<std::string> effect;
    for (const auto& setting : wanted.value()) {
        effect.push_back(setting.key + "|" + (setting.wholeKey ? "-" : setting.name));
    }
    return effect;
}

TEST(SettingsRead, LaterLinesWinAndDeletedKeysTakeWhatLiesBelowThem) {
    const struct {
        const char* what;
        std::string lines;
        std::vector<std::string> effect;
    } cases[] = {
        {"a value set again moves to its last line, key and name in any case",
         "[HKCU\\A]\r\n\"Mode\"=\"1\"\r\n\"Other\"=\"x\"\r\n[hkcu\\a]\r\n\"MODE\"=\"2\"\r\n",
         {"HKCU\\A|Other", "hkcu\\a|MODE"}},
        {"letter case beyond ASCII, in a file of the code page",
         "[HKCU\\Caf\xE9]\r\n\"\xC9t\xE9\"=\"1\"\r\n[HKCU\\CAF\xC9]\r\n\"\xE9T\xC9\"=\"2\"\r\n",
         {"HKCU\\CAF\xC3\x89|\xC3\xA9T\xC3\x89"}},
        {"a deleted key takes its subkeys, not a key whose name only starts the same",
         "[HKCU\\A\\B]\r\n\"x\"=\"1\"\r\n[HKCU\\AB]\r\n\"y\"=\"1\"\r\n[HKCU\\A]\r\n"
         "\"z\"=\"1\"\r\n[HKCU\\A!]\r\n\"w\"=\"1\"\r\n[-hkcu\\a]\r\n",
         {"HKCU\\AB|y", "HKCU\\A!|w", "hkcu\\a|-"}},
        {"a key written again is no longer deleted, nor are the keys above it",
         "[-HKCU\\A]\r\n[-HKCU\\A\\B\\C]\r\n[-HKCU\\X]\r\n[HKCU\\a\\b]\r\n\"v\"=\"1\"\r\n",
         {"HKCU\\A\\B\\C|-", "HKCU\\X|-", "HKCU\\a\\b|v"}},
        {"a key deleted twice, and the lines under a deletion that write nothing",
         "[-HKCU\\A]\r\n\"v\"=\"1\"\r\n[-HKCU\\B]\r\n[-hkcu\\A]\r\n",
         {"HKCU\\B|-", "hkcu\\A|-"}},
        {"a deletion, then a value of its subkey, then the key deleted again",
         "[-HKCU\\A]\r\n[HKCU\\A\\S]\r\n@=\"1\"\r\n[HKCU\\Z]\r\n\"z\"=\"1\"\r\n[-HKCU\\A]\r\n",
         {"HKCU\\Z|z", "HKCU\\A|-"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Effect(c.lines), c.effect) << c.what;
    }
}

}  // namespace
}  // namespace tzp::profiles
