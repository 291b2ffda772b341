#include "platform/paths.h"

#include <gtest/gtest.h>

namespace tzp::platform {
namespace {

TEST(Paths, AbsoluteMeansADriveOrUncPathWithEitherSlash) {
    for (const char* path :
         {"C:\\Pack\\", "C:/Pack/", "c:/", "\\\\server\\pack", "//server/pack", "\\/server/pack"}) {
        EXPECT_TRUE(IsAbsolutePath(path)) << path;
    }
    for (const char* path :
         {"", "C:", "C:Pack\\", "\\Pack\\", "/Pack/", "Erreur\\", "Pack/x", ".\\x", "..\\x"}) {
        EXPECT_FALSE(IsAbsolutePath(path)) << path;
    }
}

TEST(Paths, TheProgramOfACommandLineAndWhatFollowsItUnchanged) {
    struct Case {
        const char* line;
        const char* program;
        const char* rest;
    };
    const Case cases[] = {
        {"cmd /c \"\"C:\\P (x86)\\a.cpl\"\"", "cmd", " /c \"\"C:\\P (x86)\\a.cpl\"\""},
        {"Rundll32.exe ffdshow.ax,configure", "Rundll32.exe", " ffdshow.ax,configure"},
        {"\"C:\\Pack dir\\x.exe\" /a", "C:\\Pack dir\\x.exe", " /a"},
        {"\"C:\\x.exe\"", "C:\\x.exe", ""},
        {"\"C:\\unclosed x.exe", "C:\\unclosed x.exe", ""},
        {"regedit.exe\t/s", "regedit.exe", "\t/s"},
        {"alone", "alone", ""},
    };
    for (const auto& c : cases) {
        const auto split = SplitCommandProgram(c.line);
        EXPECT_EQ(split.program, c.program) << c.line;
        EXPECT_EQ(split.rest, c.rest) << c.line;
    }
    for (const char* bare : {"cmd", "Rundll32.exe", "regedit.exe"}) {
        EXPECT_TRUE(IsBareProgramName(bare)) << bare;
    }
    for (const char* placed : {"", ".\\cmd.exe", "C:cmd.exe", "sub/cmd.exe", "C:\\x\\cmd.exe"}) {
        EXPECT_FALSE(IsBareProgramName(placed)) << placed;
    }
}

}  // namespace
}  // namespace tzp::platform
