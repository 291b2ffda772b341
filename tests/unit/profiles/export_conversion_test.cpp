#include "profiles/export_conversion.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "profile_test_support.h"

namespace tzp::profiles {
namespace {

using testing::Utf16Le;
using Lines = std::vector<std::string>;

constexpr const char* kQuorel = "HKEY_CURRENT_USER\\Software\\Quorel";

std::string Export(const std::string& body) {
    return Utf16Le("Windows Registry Editor Version 5.00\r\n" + body);
}

TEST(ExportConversion, ConvertsAUnicodeExportToTheAnsiLayout) {
    // As the registry editor writes it, its wrapped hex(2) line included.
    const std::string exported = Export(
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"
        "\"Dw\"=dword:0000002a\r\n"
        "\"Multi\"=hex(7):61,00,e9,00,00,00,62,00,00,00,00,00\r\n"
        "\"Name\"=\"Vid\xC3\xA9o \xE2\x82\xAC \\\"q\\\" \\\\\"\r\n"
        "@=\"d\xC3\xA9\"\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorel\\Sub \xC3\xA9]\r\n"
        "\"Exp\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,74,00,\\\r\n"
        "  25,00,5c,00,e9,00,ac,20,00,00\r\n"
        "\"Sz\"=hex(1):41,00,e9,00,00,00\r\n"
        "\"Bin\"=hex:01,e9,ff\r\n"
        "\"Q\"=hex(b):05,00,00,00,00,00,00,00\r\n"
        "\"None\"=hex(0):\r\n"
        "\r\n");
    const auto converted = ConvertKeyExport(exported, kQuorel);
    ASSERT_TRUE(converted);
    const Lines expected{
        "",
        "[HKEY_CURRENT_USER\\Software\\Quorel]",
        "\"Dw\"=dword:0000002a",
        "\"Multi\"=hex(7):61,e9,00,62,00,00",
        "\"Name\"=\"Vid\xE9o \x80 \\\"q\\\" \\\\\"",
        "@=\"d\xE9\"",
        "",
        "[HKEY_CURRENT_USER\\Software\\Quorel\\Sub \xE9]",
        "\"Exp\"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,5c,e9,80,00",
        "\"Sz\"=hex(1):41,e9,00",
        "\"Bin\"=hex:01,e9,ff",
        "\"Q\"=hex(b):05,00,00,00,00,00,00,00",
        "\"None\"=hex(0):",
        "",
    };
    EXPECT_EQ(converted->lines, expected);
    EXPECT_TRUE(converted->leftOut.empty());
}

TEST(ExportConversion, AnEmptyKeyGivesItsSectionAlone) {
    const auto converted =
        ConvertKeyExport(Export("\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\r\n"), kQuorel);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->lines, (Lines{"", "[HKEY_CURRENT_USER\\Software\\Quorel]", ""}));

    const auto headerOnly = ConvertKeyExport(Export(""), kQuorel);
    ASSERT_TRUE(headerOnly);
    EXPECT_TRUE(headerOnly->lines.empty());
}

TEST(ExportConversion, AcceptsUtf16WithoutItsMarkAndLineEndsOfEveryKind) {
    const auto converted = ConvertKeyExport(
        Utf16Le("Windows Registry Editor Version 5.00\r\r\n[HKEY_CURRENT_USER\\Software\\"
                "Quorel]\r\n\"A\"=dword:00000001",
                false),
        kQuorel);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->lines,
              (Lines{"", "[HKEY_CURRENT_USER\\Software\\Quorel]", "\"A\"=dword:00000001"}));
}

TEST(ExportConversion, RewrapsLongHexValuesAsTheEditorDoes) {
    // 100 bytes, wrapped ten to a line in the export.
    std::string body = "[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\"Bin\"=hex:";
    std::string expectedBytes;
    for (int i = 0; i < 100; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", i);
        body += hex;
        expectedBytes += hex;
        if (i != 99) {
            body += ",";
            expectedBytes += ",";
            if (i % 10 == 9) {
                body += "\\\r\n  ";
            }
        }
    }
    body += "\r\n\"After\"=dword:00000001\r\n";
    const auto converted = ConvertKeyExport(Export(body), kQuorel);
    ASSERT_TRUE(converted);
    const Lines& lines = converted->lines;
    // Section, lines of 23, 25, 25, 25 and 2 bytes, each but the last ending in a
    // backslash within 80 columns, then the next value.
    ASSERT_EQ(lines.size(), 7u);
    std::string joined;
    for (size_t i = 1; i <= 5; ++i) {
        std::string line = lines[i];
        EXPECT_LE(line.size(), 80u);
        EXPECT_EQ(line.back() == '\\', i < 5) << line;
        if (i < 5) {
            line.pop_back();
        }
        joined += i == 1 ? line.substr(10) : line.substr(2);
    }
    EXPECT_EQ(lines[1].size(), 80u);
    EXPECT_EQ(joined, expectedBytes);
    EXPECT_EQ(lines[6], "\"After\"=dword:00000001");
}

TEST(ExportConversion, WrapsAPayloadThatGrowsTooLongForOneLine) {
    // 30 one-byte characters of a hex(2) string: 31 bytes in the ANSI layout.
    std::string payload;
    for (int i = 0; i < 30; ++i) {
        payload += "41,00,";
    }
    const auto converted = ConvertKeyExport(
        Export("[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\"P\"=hex(2):" + payload + "00,00\r\n"),
        kQuorel);
    ASSERT_TRUE(converted);
    ASSERT_EQ(converted->lines.size(), 3u);
    std::string first = "\"P\"=hex(2):";
    for (int i = 0; i < 22; ++i) {
        first += "41,";
    }
    EXPECT_EQ(converted->lines[1], first + "\\");
    EXPECT_EQ(converted->lines[2], "  41,41,41,41,41,41,41,41,00");
}

TEST(ExportConversion, LeavesOutWhatTheCodePageCannotHoldAndKeepsTheRest) {
    const std::string exported = Export(
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"
        "\"Kept\"=\"caf\xC3\xA9\"\r\n"
        "\"Title\"=\"\xE6\x97\xA5\xE6\x9C\xAC\"\r\n"               // a string
        "\"\xCE\xA9mega\"=dword:00000001\r\n"                      // a value name
        "\"Path\"=hex(2):e5,65,00,00\r\n"                          // a hex(2) payload
        "\"List\"=hex(7):61,00,00,00,3d,d8,00,de,00,00,00,00\r\n"  // an emoji in hex(7)
        "\"Odd\"=hex(1):41,00,42\r\n"                              // not whole UTF-16
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorel\\\xE6\x97\xA5]\r\n"  // a subkey
        "\"Inner\"=dword:00000002\r\n"
        "\"InnerHex\"=hex:01,\\\r\n"
        "  02\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorel\\Next]\r\n"
        "\"Also\"=dword:00000003\r\n");
    const auto converted = ConvertKeyExport(exported, kQuorel);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->lines, (Lines{
                                    "",
                                    "[HKEY_CURRENT_USER\\Software\\Quorel]",
                                    "\"Kept\"=\"caf\xE9\"",
                                    "",
                                    "",
                                    "[HKEY_CURRENT_USER\\Software\\Quorel\\Next]",
                                    "\"Also\"=dword:00000003",
                                }));
    EXPECT_EQ(converted->leftOut, (Lines{
                                      "HKEY_CURRENT_USER\\Software\\Quorel \"Title\"",
                                      "HKEY_CURRENT_USER\\Software\\Quorel \"\xCE\xA9mega\"",
                                      "HKEY_CURRENT_USER\\Software\\Quorel \"Path\"",
                                      "HKEY_CURRENT_USER\\Software\\Quorel \"List\"",
                                      "HKEY_CURRENT_USER\\Software\\Quorel \"Odd\"",
                                      "HKEY_CURRENT_USER\\Software\\Quorel\\\xE6\x97\xA5",
                                  }));
}

TEST(ExportConversion, TakesAnAnsiExportAsItStands) {
    const std::string exported =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n\"A\"=\"\xE9\"\r\n"
        "\"B\"=hex(2):25,e9,00\r\n";
    const auto converted = ConvertKeyExport(exported, kQuorel);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->lines, (Lines{"", "[HKEY_CURRENT_USER\\Software\\Quorel]",
                                       "\"A\"=\"\xE9\"", "\"B\"=hex(2):25,e9,00"}));
}

TEST(ExportConversion, AHeaderABlankLineAndTwoValuesGiveTheLastThree) {
    for (const std::string& exported :
         {std::string("REGEDIT4\r\n\r\n\"A\"=\"1\"\r\n\"B\"=\"2\"\r\n"),
          Export("\r\n\"A\"=\"1\"\r\n\"B\"=\"2\"\r\n")}) {
        const auto converted = ConvertKeyExport(exported, kQuorel);
        ASSERT_TRUE(converted);
        EXPECT_EQ(converted->lines, (Lines{"", "\"A\"=\"1\"", "\"B\"=\"2\""}));
    }
}

TEST(ExportConversion, RefusesWhatIsNotAnExportOfTheKey) {
    // Another key (a stale file), a key that merely starts alike, a deletion, no
    // header, nothing at all.
    for (const std::string& exported : {
             Export("\r\n[HKEY_CURRENT_USER\\Software\\GNU\\ffdshow]\r\n"),
             Export("\r\n[HKEY_CURRENT_USER\\Software\\QuorelPlus]\r\n"),
             Export("\r\n[-HKEY_CURRENT_USER\\Software\\Quorel]\r\n"),
             // Text after the closing bracket does not hide the key from the importer.
             Export("\r\n[HKEY_LOCAL_MACHINE\\Software\\Other] x\r\n"),
             std::string("REGEDIT4\r\n  [HKEY_CURRENT_USER\\Software\\Other]]x\r\n"),
             std::string("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Quorel]\r\n"),
             Utf16Le("[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"),
             std::string("[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"),
             std::string(),
         }) {
        EXPECT_FALSE(ConvertKeyExport(exported, kQuorel)) << exported;
    }
    // Names of keys compare without regard to letter case, as the registry does.
    EXPECT_TRUE(ConvertKeyExport(Export("[hkey_current_user\\SOFTWARE\\quorel\\x]\r\n"), kQuorel));
}

}  // namespace
}  // namespace tzp::profiles
