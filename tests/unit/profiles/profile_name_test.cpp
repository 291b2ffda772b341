#include "profiles/profile_name.h"

#include <gtest/gtest.h>

namespace tzp::profiles {
namespace {

TEST(ProfileName, AcceptsOrdinaryNames) {
    for (const char* name : {"Films", "a.b",
                             "Soir\xC3\xA9"
                             "e 2",
                             " spaced ", "CONSOLE", "COM10", "LPT", "con-cert",
                             "\xE6\x97\xA5\xE6\x9C\xAC", "x..y", "...a"}) {
        EXPECT_TRUE(IsUsableProfileName(name)) << name;
    }
}

TEST(ProfileName, RefusesCharactersAFileNameCannotHold) {
    for (const char* name :
         {"a\\b", "..\\Langs\\en", "a/b", "C:x", "a*", "a?", "say \"hi\"", "<a>", "a|b",
          "tab\there", "line\r\nbreak", "bell\x07", "del\x7F", "c1\xC2\x85",
          "bad\xFF"
          "byte"}) {
        EXPECT_FALSE(IsUsableProfileName(name)) << name;
    }
}

TEST(ProfileName, RefusesTheDotNamesAndDeviceNamesWithOrWithoutAnExtension) {
    for (const char* name :
         {"", ".", "..", "CON", "con", "Prn", "AUX", "nul", "COM1", "com9", "LPT1", "lpt9",
          "NUL.txt", "con.tar.gz", "COM1 .x", "AUX ", "CONIN$", "COM\xC2\xB9"}) {
        EXPECT_FALSE(IsUsableProfileName(name)) << name;
    }
}

}  // namespace
}  // namespace tzp::profiles
