#include "platform/paths.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace tzp::platform {
namespace {

TEST(Paths, AbsoluteMeansADriveOrUncPathWithEitherSlash) {
    for (const char* path : {"C:\\Pack\\", "C:/Pack/", "\\\\server\\pack", "//server/pack"}) {
        EXPECT_TRUE(IsAbsolutePath(path)) << path;
    }
    for (const char* path : {"", "C:", "C:Pack\\", "\\Pack\\", "/Pack/", "Erreur\\", "..\\x"}) {
        EXPECT_FALSE(IsAbsolutePath(path)) << path;
    }
}

TEST(Paths, TheProgramOfACommandLineAndWhatFollowsItUnchanged) {
    const std::array<std::array<const char*, 3>, 4> cases = {{
        {"cmd /c \"\"C:\\P (x86)\\a.cpl\"\"", "cmd", " /c \"\"C:\\P (x86)\\a.cpl\"\""},
        {"\"C:\\Pack dir\\x.exe\" /a", "C:\\Pack dir\\x.exe", " /a"},
        {"\"C:\\unclosed x.exe", "C:\\unclosed x.exe", ""},
        {"regedit.exe\t/s", "regedit.exe", "\t/s"},
    }};
    for (const auto& [line, program, rest] : cases) {
        EXPECT_EQ(SplitCommandProgram(line).program, program) << line;
        EXPECT_EQ(SplitCommandProgram(line).rest, rest) << line;
    }
    EXPECT_TRUE(IsBareProgramName("Rundll32.exe"));
    for (const char* placed : {"", ".\\cmd.exe", "C:cmd.exe", "sub/cmd.exe"}) {
        EXPECT_FALSE(IsBareProgramName(placed)) << placed;
    }
}

TEST(FileName, IsWhatFollowsTheLastBackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Pack\\filtres\\ffdshow.ax", "ffdshow.ax"},
        {"ffdshow.ax", "ffdshow.ax"},
        {"C:\\Pack\\", ""},
        {"mpc/mplayerc.exe", "mpc/mplayerc.exe"},  // the pack's paths use backslashes only
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(FileName(path), name) << path;
    }
}

}  // namespace
}  // namespace tzp::platform
