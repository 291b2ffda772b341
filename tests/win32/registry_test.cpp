// The registry module on the real registry of the test's Wine prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/reg.h"
#include "platform/win32/registry_win32.h"

namespace tzp::platform {
namespace {

constexpr const char* kScratch = "Software\\TzpTests\\Registry";

struct RegistryTest : ::testing::Test {
    Win32Registry registry;
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TzpTests"); }
    std::string Sub(const std::string& rest) const { return std::string(kScratch) + "\\" + rest; }
};

TEST_F(RegistryTest, ATrailingBackslashReadsAndWritesTheKeysDefaultValue) {
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("InprocServer32\\"), "C:\\f\\a.ax", 0).ok());
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("InprocServer32"), "named value", 0).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("InprocServer32\\"), "Erreur"), "C:\\f\\a.ax");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("InprocServer32"), "Erreur"), "named value");

    // The key really holds an unnamed value, as the platform's own API sees it.
    wchar_t data[64] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\TzpTests\\Registry\\InprocServer32",
                           nullptr, RRF_RT_REG_SZ, nullptr, data, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, L"C:\\f\\a.ax");
}

TEST_F(RegistryTest, EmptyValuesReadEmptyAndMissingOnesTheDefault) {
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("empty"), "", 0).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("empty"), "Erreur"), "");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("missing"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("nokey\\"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 9, Sub("empty"), "Erreur"), "Erreur");
}

TEST_F(RegistryTest, NumbersReadAsDigitsAndDataWithoutTextAsTheDefault) {
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("one"), "1", 1).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("one"), "Erreur"), "1");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TzpTests\\Registry", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD big = 4000000000u;
    RegSetValueExW(key, L"big", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&big), sizeof big);
    const BYTE bytes[] = {1, 2, 3};
    RegSetValueExW(key, L"bin", 0, REG_BINARY, bytes, sizeof bytes);
    const wchar_t multi[] = L"a\0b\0";
    RegSetValueExW(key, L"multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi),
                   sizeof multi);
    // Numbers stored with fewer bytes than their type has are malformed.
    const BYTE shortNumber[] = {7, 0};
    RegSetValueExW(key, L"short", 0, REG_DWORD, shortNumber, sizeof shortNumber);
    const BYTE shortQword[] = {7, 0, 0, 0};
    RegSetValueExW(key, L"shortq", 0, REG_QWORD, shortQword, sizeof shortQword);
    RegCloseKey(key);
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("short"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("shortq"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("big"), "Erreur"), "4000000000");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("bin"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("multi"), "Erreur"), "Erreur");
}

TEST_F(RegistryTest, UnknownTypeCodesWriteNothing) {
    EXPECT_TRUE(WriteRegValue(registry, 1, Sub("four"), "x", 4).ok());
    EXPECT_TRUE(WriteRegValue(registry, 1, Sub("minus"), "x", -1).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("four"), "Erreur"), "Erreur");
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("minus"), "Erreur"), "Erreur");
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TzpTests\\Registry", 0, KEY_READ, &key),
              ERROR_SUCCESS)
        << "not even the key was created";
}

TEST_F(RegistryTest, NonAsciiTextSurvivesTheRoundTrip) {
    const std::string text = "C:\\Programme\\Lecteur vid\xC3\xA9o\\\xE2\x82\xAC.exe";
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("text"), text, 0).ok());
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("text"), "Erreur"), text);
}

TEST_F(RegistryTest, DeletesValuesAndKeysAndIgnoresMissingOnes) {
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub(".avi\\ProgId"), "x", 0).ok());
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub(".avi\\UserChoice\\Progid"), "y", 0).ok());
    DeleteRegEntry(registry, 1, Sub(".avi\\PROGID"));
    EXPECT_EQ(ReadRegValue(registry, 1, Sub(".avi\\ProgId"), "Erreur"), "Erreur");
    DeleteRegEntry(registry, 1, Sub(".avi\\UserChoice\\"));
    EXPECT_EQ(ReadRegValue(registry, 1, Sub(".avi\\UserChoice\\Progid"), "Erreur"), "Erreur");

    // What is missing is passed over: nothing else goes, and nothing is made for it.
    ASSERT_TRUE(WriteRegValue(registry, 1, Sub("kept\\value"), "k", 0).ok());
    DeleteRegEntry(registry, 1, Sub(".avi\\UserChoice\\"));
    DeleteRegEntry(registry, 1, Sub("nothing\\here"));
    DeleteRegEntry(registry, 1, Sub("kept\\missing"));
    DeleteRegEntry(registry, 7, Sub("kept\\value"));  // no such root
    EXPECT_EQ(ReadRegValue(registry, 1, Sub("kept\\value"), "Erreur"), "k");
    const auto keyExists = [](const wchar_t* key) {
        HKEY opened = nullptr;
        const bool exists =
            RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) == ERROR_SUCCESS;
        if (exists) {
            RegCloseKey(opened);
        }
        return exists;
    };
    EXPECT_TRUE(keyExists(L"Software\\TzpTests\\Registry\\.avi"));
    EXPECT_FALSE(keyExists(L"Software\\TzpTests\\Registry\\.avi\\UserChoice"));
    EXPECT_FALSE(keyExists(L"Software\\TzpTests\\Registry\\nothing"));
}

TEST_F(RegistryTest, AWriteToAMissingRootFailsToTheCaller) {
    EXPECT_FALSE(WriteRegValue(registry, 12, Sub("x"), "x", 0).ok());
}

}  // namespace
}  // namespace tzp::platform
