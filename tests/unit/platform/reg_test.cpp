#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "platform/reg.h"

namespace tzp::platform {
namespace {

TEST(RegRootPrefix, MapsTheFiveRootsAndNothingElse) {
    EXPECT_EQ(RegRootPrefix(0), "HKCR\\");
    EXPECT_EQ(RegRootPrefix(1), "HKCU\\");
    EXPECT_EQ(RegRootPrefix(2), "HKLM\\");
    EXPECT_EQ(RegRootPrefix(3), "HKEY_USERS\\");
    EXPECT_EQ(RegRootPrefix(4), "HKEY_CURRENT_CONFIG\\");
    EXPECT_EQ(RegRootPrefix(5), "");
    EXPECT_EQ(RegRootPrefix(-1), "");
}

TEST(ParseRegName, ATrailingBackslashNamesTheKeysDefaultValue) {
    const auto key = ParseRegName("HKCR\\CLSID\\{X}\\InprocServer32\\");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->root, RegRoot::ClassesRoot);
    EXPECT_EQ(key->key, "CLSID\\{X}\\InprocServer32");
    EXPECT_EQ(key->valueName, "");
    EXPECT_TRUE(key->namesKey);

    const auto value = ParseRegName("HKCR\\CLSID\\{X}\\InprocServer32");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->key, "CLSID\\{X}");
    EXPECT_EQ(value->valueName, "InprocServer32");
    EXPECT_FALSE(value->namesKey);
}

TEST(ParseRegName, AcceptsLongRootsAndRefusesUnknownOnes) {
    EXPECT_EQ(ParseRegName("HKEY_USERS\\S-1\\x")->root, RegRoot::Users);
    EXPECT_EQ(ParseRegName("HKEY_CURRENT_CONFIG\\x\\")->root, RegRoot::CurrentConfig);
    EXPECT_EQ(ParseRegName("hkcu\\x")->root, RegRoot::CurrentUser);
    EXPECT_FALSE(ParseRegName("SOFTWARE\\x"));
    EXPECT_FALSE(ParseRegName("HKXX\\x"));
    EXPECT_FALSE(ParseRegName("HKCU"));
}

TEST(ParseRegName, AnEmptyKeyNameNamesNothing) {
    for (const char* name : {"HKCR\\.avi\\\\", "HKCU\\\\Software\\x", "HKCU\\\\", "HKCU\\a\\\\b\\",
                             "HKCU\\a\\\\b", "HKLM\\a\\\\\\b\\v", "HKCR\\\\shell\\open\\"}) {
        EXPECT_FALSE(ParseRegName(name)) << name;
    }
    // The root's own default value and a value of the root stay nameable.
    EXPECT_TRUE(ParseRegName("HKCR\\")->namesKey);
    EXPECT_EQ(ParseRegName("HKCU\\v")->valueName, "v");
}

struct RegTest : ::testing::Test {
    fakes::FakeRegistry registry;
};

// The logic names roots, the registry tools number them: both must reach the same key.
TEST_F(RegTest, ANamedRootReachesTheKeyOfItsNumber) {
    const RegRoot roots[] = {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine,
                             RegRoot::Users, RegRoot::CurrentConfig};
    for (int32_t number = 0; number < 5; ++number) {
        const RegRoot root = roots[number];
        EXPECT_EQ(RegRootOfNumber(number), root);
        EXPECT_EQ(RegRootPrefix(root), RegRootPrefix(number));
        ASSERT_TRUE(WriteRegValue(registry, root, "k\v", std::to_string(number), 0).ok());
        EXPECT_EQ(ReadRegValue(registry, number, "k\v", "Erreur"), std::to_string(number));
        DeleteRegEntry(registry, root, "k\v");
        EXPECT_EQ(ReadRegValue(registry, number, "k\v", "Erreur"), "Erreur") << number;
    }
    EXPECT_EQ(RegRootOfNumber(5), std::nullopt);
    EXPECT_EQ(RegRootOfNumber(-1), std::nullopt);
    // The name rules hold for a named root as for a number.
    EXPECT_EQ(ReadRegValue(registry, kRootCurrentUser, "\\k", "dflt"), "dflt");
    EXPECT_FALSE(WriteRegValue(registry, kRootCurrentUser, "k\\\\v", "x", 0).ok());
}

TEST_F(RegTest, ReadsKeyDefaultsAndNamedValuesByTheNameRule) {
    registry.Set("HKCR\\CLSID\\{X}\\InprocServer32\\", "C:\\f.ax");
    registry.Set("HKCR\\CLSID\\{X}\\InprocServer32", "named");
    EXPECT_EQ(ReadRegValue(registry, 0, "CLSID\\{X}\\InprocServer32\\", "Erreur"), "C:\\f.ax");
    EXPECT_EQ(ReadRegValue(registry, 0, "CLSID\\{X}\\InprocServer32", "Erreur"), "named");
    EXPECT_EQ(ReadRegValue(registry, 0, "clsid\\{x}\\INPROCSERVER32\\", "Erreur"), "C:\\f.ax");
}

TEST_F(RegTest, MissingValuesAndValuesWithoutTextGiveTheDefault) {
    EXPECT_EQ(ReadRegValue(registry, 1, "SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "Erreur"),
              "Erreur");
    registry.Set("HKCU\\k\\bin", "\x01\x02", fakes::StoredType::Binary);
    registry.Set("HKCU\\k\\multi", "a", fakes::StoredType::MultiString);
    EXPECT_EQ(ReadRegValue(registry, 1, "k\\bin", "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, "k\\multi", "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 7, "k\\multi", "dflt"), "dflt");
}

TEST_F(RegTest, EmptyValuesReadAsEmptyAndNumbersAsDigits) {
    registry.Set("HKCU\\k\\empty", "");
    registry.Set("HKCU\\k\\one", "1", fakes::StoredType::Dword);
    EXPECT_EQ(ReadRegValue(registry, 1, "k\\empty", "Erreur"), "");
    EXPECT_EQ(ReadRegValue(registry, 1, "k\\one", "Erreur"), "1");
}

TEST_F(RegTest, WritesOnlyTheFourKnownTypes) {
    EXPECT_TRUE(WriteRegValue(registry, 1, "k\\s", "text", 0).ok());
    EXPECT_EQ(registry.Get("HKCU\\k\\s")->type, fakes::StoredType::String);
    EXPECT_TRUE(WriteRegValue(registry, 1, "k\\d", "42", 1).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, "k\\d", "Erreur"), "42");
    EXPECT_TRUE(WriteRegValue(registry, 1, "k\\e", "%TEMP%", 3).ok());
    EXPECT_EQ(registry.Get("HKCU\\k\\e")->type, fakes::StoredType::ExpandString);

    EXPECT_TRUE(WriteRegValue(registry, 1, "k\\four", "x", 4).ok());
    EXPECT_TRUE(WriteRegValue(registry, 1, "k\\minus", "x", -1).ok());
    EXPECT_FALSE(registry.Get("HKCU\\k\\four"));
    EXPECT_FALSE(registry.Get("HKCU\\k\\minus"));
}

TEST_F(RegTest, WriteFailuresReachTheCaller) {
    registry.DenyWritesUnder("HKCR\\avifile");
    const Status denied = WriteRegValue(registry, 0, "avifile\\shell\\open\\command\\", "x", 0);
    EXPECT_EQ(denied.error, kErrorAccessDenied);
    EXPECT_FALSE(WriteRegValue(registry, 9, "k\\s", "x", 0).ok());
}

TEST_F(RegTest, DeletesValuesAndKeysAndIgnoresMissingOnes) {
    registry.Set("HKCU\\x\\FileExts\\.avi\\ProgId", "p");
    registry.Set("HKCU\\x\\FileExts\\.avi\\UserChoice\\Progid", "q");
    DeleteRegEntry(registry, 1, "x\\FileExts\\.avi\\ProgID");
    EXPECT_FALSE(registry.Get("HKCU\\x\\FileExts\\.avi\\ProgId"));
    DeleteRegEntry(registry, 1, "x\\FileExts\\.avi\\UserChoice\\");
    EXPECT_FALSE(registry.KeyExists("HKCU\\x\\FileExts\\.avi\\UserChoice"));
    EXPECT_TRUE(registry.KeyExists("HKCU\\x\\FileExts\\.avi"));

    // What is missing is passed over: nothing else goes, and nothing is made for it.
    registry.Set("HKCU\\x\\FileExts\\.mkv\\ProgId", "m");
    DeleteRegEntry(registry, 1, "x\\FileExts\\.mkv\\UserChoice\\");
    DeleteRegEntry(registry, 1, "x\\FileExts\\.mkv\\Missing");
    DeleteRegEntry(registry, 8, "x\\FileExts\\.mkv\\ProgId");  // no such root
    EXPECT_FALSE(registry.KeyExists("HKCU\\x\\FileExts\\.mkv\\UserChoice"));
    ASSERT_TRUE(registry.Get("HKCU\\x\\FileExts\\.mkv\\ProgId"));
    EXPECT_EQ(registry.Get("HKCU\\x\\FileExts\\.mkv\\ProgId")->data, "m");
    EXPECT_TRUE(registry.KeyExists("HKCU\\x\\FileExts\\.avi"));
}

}  // namespace
}  // namespace tzp::platform
