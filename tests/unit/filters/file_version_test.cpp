#include <gtest/gtest.h>

#include "fakes/fake_services.h"
#include "platform/file_version.h"

namespace tzp::platform {
namespace {

struct FileVersionTest : ::testing::Test {
    fakes::FakeVersions versions;
    FileVersionTexts texts{"old version", "old type", "old copyright", "old description"};

    void Add(uint32_t ms, uint32_t ls, uint32_t type = 2,
             std::optional<std::array<uint8_t, 4>> translation = std::array<uint8_t, 4>{0x09, 0x04,
                                                                                        0xB0, 0x04},
             std::map<std::string, std::string> strings = {}) {
        versions.Add("C:\\f.ax", {{ms, ls, type}, translation, std::move(strings)});
    }
    FileVersionTexts Read() {
        ReadFileVersionInfo(versions, "C:\\f.ax", texts);
        return texts;
    }
};

TEST_F(FileVersionTest, AFileWithoutResourceSetsOnlyTheVersionToErreur) {
    ReadFileVersionInfo(versions, "C:\\missing.ax", texts);
    EXPECT_EQ(texts.version, "Erreur");
    EXPECT_EQ(texts.fileType, "old type");
    EXPECT_EQ(texts.copyright, "old copyright");
    EXPECT_EQ(texts.description, "old description");
}

TEST_F(FileVersionTest, ComponentsAreUnsignedPlainDecimals) {
    Add(0x00010000, 0x000305A4);
    EXPECT_EQ(Read().version, "version 1.0.3.1444");
    Add(0xFFFF0002, 0x00000000);
    EXPECT_EQ(Read().version, "version 65535.2.0.0");
    Add(0x80008001, 0x7FFFFFFF);
    EXPECT_EQ(Read().version, "version 32768.32769.32767.65535");
    Add(0, 0);
    EXPECT_EQ(Read().version, "version 0.0.0.0");
}

TEST_F(FileVersionTest, NamesTheFileType) {
    const std::pair<uint32_t, const char*> names[] = {
        {1, "Application"},   {2, "Dynamic Link Library (DLL)"},
        {3, "Device Driver"}, {5, "Virtual Device Driver"},
        {0, "Unknown"},       {4, "Unknown"},
        {7, "Unknown"},
    };
    for (const auto& [type, name] : names) {
        Add(0x10000, 0, type);
        EXPECT_EQ(Read().fileType, name) << type;
    }
}

TEST_F(FileVersionTest, ReadsTheStringsOfTheFirstTranslation) {
    Add(0x10000, 0, 2, std::array<uint8_t, 4>{0x04, 0x08, 0xE4, 0x04},
        {{"\\StringFileInfo\\080404E4\\LegalCopyright", "(C) Someone"},
         {"\\StringFileInfo\\080404E4\\FileDescription", "A filter"},
         {"\\StringFileInfo\\040904B0\\FileDescription", "Not this one"}});
    const auto read = Read();
    EXPECT_EQ(read.copyright, "(C) Someone");
    EXPECT_EQ(read.description, "A filter");
}

TEST_F(FileVersionTest, MissingTranslationOrStringsReadAsEmpty) {
    Add(0x20000, 0, 2, std::nullopt,
        {{"\\StringFileInfo\\040904B0\\LegalCopyright", "(C) Someone"}});
    auto read = Read();
    EXPECT_EQ(read.version, "version 2.0.0.0");
    EXPECT_EQ(read.fileType, "Dynamic Link Library (DLL)");
    EXPECT_EQ(read.copyright, "");
    EXPECT_EQ(read.description, "");

    Add(0x20000, 0, 2, std::array<uint8_t, 4>{0x09, 0x04, 0xB0, 0x04},
        {{"\\StringFileInfo\\040904B0\\LegalCopyright", "(C) Someone"}});
    read = Read();
    EXPECT_EQ(read.copyright, "(C) Someone");
    EXPECT_EQ(read.description, "");
}

// The strings' folder is named by the translation's language and code page, each four
// upper-case hexadecimal digits with leading zeros.
TEST_F(FileVersionTest, FindsTheStringsOfALanguageWithLeadingZerosAndHexLetters) {
    Add(0x10000, 0, 2, std::array<uint8_t, 4>{0x0C, 0x00, 0xE4, 0x04},
        {{"\\StringFileInfo\\000C04E4\\FileDescription", "Un filtre"},
         {"\\StringFileInfo\\C04E4\\FileDescription", "unpadded"},
         {"\\StringFileInfo\\000c04e4\\FileDescription", "lower case"}});
    EXPECT_EQ(Read().description, "Un filtre");
}

}  // namespace
}  // namespace tzp::platform
