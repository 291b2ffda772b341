// The file service on a real (Wine) file system.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/text.h"
#include "platform/win32/error_text_win32.h"
#include "platform/win32/files_win32.h"
#include "support/wine_files.h"

namespace tzp::platform {
namespace {

using testing::ScratchDir;

TEST(Win32Files, ReplacesWholeFilesAndLeavesNoTemporaryBehind) {
    ScratchDir dir;
    Win32Files files;
    const std::string path = dir.Path() + "\\profile.sav";
    ASSERT_TRUE(files.WriteAllAtomic(path, "first\r\n").ok());
    ASSERT_TRUE(files.WriteAllAtomic(path, "second\r\n").ok());
    EXPECT_EQ(files.ReadAll(path), "second\r\n");
    EXPECT_EQ(files.ListFiles(dir.Path(), "*"), std::vector<std::string>{"profile.sav"});
}

TEST(Win32Files, AFailedWriteKeepsTheOldFileAndReportsTheError) {
    ScratchDir dir;
    Win32Files files;
    const Status missing = files.WriteAllAtomic(dir.Path() + "\\no folder\\x.ini", "x");
    EXPECT_EQ(missing.error, static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(platform::DescribeSystemError(missing.error).empty());

    const std::string path = dir.Path() + "\\exts.ini";
    ASSERT_TRUE(files.WriteAllAtomic(path, ".avi\r\n").ok());
    // A folder where the file should go cannot be replaced by a file.
    ASSERT_TRUE(testing::MakeDirs(dir.Path() + "\\taken"));
    EXPECT_FALSE(files.WriteAllAtomic(dir.Path() + "\\taken", "x").ok());
    EXPECT_EQ(files.ReadAll(path), ".avi\r\n");
}

TEST(Win32Files, ATemporaryFileTakesThePlaceOnlyWhenAskedAndStaleOnesAreCleared) {
    ScratchDir dir;
    Win32Files files;
    const std::string path = dir.Path() + "\\Films.sav";
    ASSERT_TRUE(files.WriteAllAtomic(path, "old\r\n").ok());
    // Left by programs killed half-way, and files that only look like theirs.
    for (const char* name : {"Films.sav.4242.tmp", "FILMS.SAV.7.TMP", "Films.sav.keep.tmp",
                             "Films.save.1.tmp", "Other.sav.1.tmp"}) {
        ASSERT_TRUE(testing::WriteBytes(dir.Path() + "\\" + name, "half"));
    }
    std::string temporary;
    ASSERT_TRUE(files.WriteTemporary(path, "new\r\n", temporary).ok());
    EXPECT_EQ(files.ReadAll(path), "old\r\n");
    EXPECT_EQ(files.ReadAll(temporary), "new\r\n");
    ASSERT_TRUE(files.Replace(temporary, path).ok());
    EXPECT_EQ(files.ReadAll(path), "new\r\n");
    EXPECT_EQ(
        files.ListFiles(dir.Path(), "*.tmp"),
        (std::vector<std::string>{"Films.sav.keep.tmp", "Films.save.1.tmp", "Other.sav.1.tmp"}));
    // A replacement that cannot happen leaves both files as they are.
    ASSERT_TRUE(testing::MakeDirs(dir.Path() + "\\taken"));
    ASSERT_TRUE(files.WriteTemporary(path, "x", temporary).ok());
    EXPECT_FALSE(files.Replace(temporary, dir.Path() + "\\taken").ok());
    EXPECT_EQ(files.ReadAll(temporary), "x");
}

TEST(Win32Files, ADirectoryIsNotAFile) {
    ScratchDir dir;
    Win32Files files;
    EXPECT_FALSE(files.FileExists(dir.Path()));
    EXPECT_TRUE(files.DirectoryExists(dir.Path()));
    EXPECT_FALSE(files.FileExists(dir.Path() + "\\missing.ini"));
    ASSERT_TRUE(files.WriteAllAtomic(dir.Path() + "\\a.ini", "").ok());
    EXPECT_TRUE(files.FileExists(dir.Path() + "\\a.ini"));
    EXPECT_TRUE(files.FileExists(dir.Path() + "\\A.INI"));
    EXPECT_EQ(files.ReadAll(dir.Path() + "\\a.ini"), "");
}

TEST(Win32Files, ListsOnlyNamesThatReallyEndWithThePatternsExtension) {
    ScratchDir dir;
    Win32Files files;
    for (const char* name : {"b.sav", "a.b.sav", "Zed.SAV", "c.save", "d.sav.bak", "e.reg"}) {
        ASSERT_TRUE(files.WriteAllAtomic(dir.Path() + "\\" + name, "").ok());
    }
    ASSERT_TRUE(testing::MakeDirs(dir.Path() + "\\folder.sav"));
    EXPECT_EQ(files.ListFiles(dir.Path(), "*.sav"),
              (std::vector<std::string>{"a.b.sav", "b.sav", "Zed.SAV"}));
    EXPECT_TRUE(files.ListFiles(dir.Path() + "\\none", "*.sav").empty());
}

TEST(Win32Files, NamesBeyondTheCodePageWork) {
    ScratchDir dir;
    Win32Files files;
    const std::string path = dir.Path() + "\\\xE4\xB8\xAD\xC3\xA9.sav";
    ASSERT_TRUE(files.WriteAllAtomic(path, "x").ok());
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_EQ(files.ListFiles(dir.Path(), "*.sav"),
              std::vector<std::string>{"\xE4\xB8\xAD\xC3\xA9.sav"});
    EXPECT_TRUE(files.Remove(path).ok());
    EXPECT_FALSE(files.Remove(path).ok());
}

TEST(Win32Text, TheAnsiCodePageAndLowerCasing) {
    EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(UnicodeLower("\xC3\x89T\xC3\x89 \xD0\x9F"), "\xC3\xA9t\xC3\xA9 \xD0\xBF");
    EXPECT_FALSE(FitsAnsi("\xE4\xB8\xAD"));
}

}  // namespace
}  // namespace tzp::platform
