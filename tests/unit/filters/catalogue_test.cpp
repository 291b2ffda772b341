#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "filters/catalogue.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp::filters {
namespace {

TEST(FilterCatalogue, HasOneRowPerFilterBoxWithItsProfileId) {
    const auto form = ui::CreateForm1();
    std::set<std::string> boxes;
    for (const auto& row : Catalogue()) {
        EXPECT_TRUE(form->Has(row.box)) << row.box;
        EXPECT_TRUE(boxes.insert(std::string(row.box)).second) << row.box;
        // The profile id is the box's number on three digits.
        const std::string number(row.box.substr(5));
        EXPECT_EQ(std::stoi(std::string(row.profileId)), std::stoi(number)) << row.box;
        EXPECT_EQ(row.profileId.size(), 3u);
    }
    EXPECT_EQ(boxes.size(), 19u);
}

TEST(FilterCatalogue, ReadsSixtyTwoClassesOfWellFormedIds) {
    EXPECT_EQ(CountClsids(), 62u);
    std::set<std::string> seen;
    for (const auto& row : Catalogue()) {
        for (const auto clsid : row.clsids) {
            ASSERT_EQ(clsid.size(), 36u) << clsid;
            for (size_t i : {8u, 13u, 18u, 23u}) {
                EXPECT_EQ(clsid[i], '-') << clsid;
            }
            EXPECT_TRUE(seen.insert(std::string(clsid)).second) << clsid;
        }
    }
    EXPECT_EQ(Row("Check6").clsids.size(), 21u);
    EXPECT_EQ(Row("Check6").clsids.front(), "007FC171-01AA-4B3A-B2DB-062DEE815A1E");
    EXPECT_EQ(Row("Check2").clsids.size(), 3u);
    EXPECT_EQ(Row("Check10").clsids.back(), "F544E0F5-CA3C-47EA-A64D-35FCF1602396");
    EXPECT_TRUE(Row("Check13").clsids.empty());
    EXPECT_TRUE(Row("Check14").clsids.empty());
}

TEST(FilterCatalogue, EveryOrderNamesRowsWithALibrary) {
    std::set<std::string> detected;
    for (const auto box : DetectionOrder()) {
        EXPECT_FALSE(Row(box).clsids.empty()) << box;
        detected.insert(std::string(box));
    }
    EXPECT_EQ(detected.size(), 17u);  // every row but the splitter master and Check14

    // The pass touches every library once: twelve rows, the master and five members.
    std::set<std::string> libraries;
    for (const auto box : RegistrationOrder()) {
        libraries.insert(std::string(Row(box).library));
    }
    for (const auto box : SplitterRegisterOrder()) {
        libraries.insert(std::string(Row(box).library));
    }
    EXPECT_EQ(libraries.size(), 18u);
    EXPECT_EQ(std::set<std::string_view>(SplitterUnregisterOrder().begin(),
                                         SplitterUnregisterOrder().end()),
              std::set<std::string_view>(SplitterMembers().begin(), SplitterMembers().end()));
}

// The classes the detection reads, as the pack's documentation lists them: box, library
// compared, class ids in reading order. Typed from that list, not from the program's
// table, so that a slip in either shows here (one wrong digit leaves a registered
// filter's box unticked).
TEST(FilterCatalogue, TheDetectionReadsExactlyTheDocumentedClassesInOrder) {
    struct Documented {
        const char* box;
        const char* library;
        const char* clsids;  // separated by blanks
    };
    const Documented documented[] = {
        {"Check6", "filtres\\ffdshow.ax",
         "007FC171-01AA-4B3A-B2DB-062DEE815A1E 04FE9017-F873-410E-871E-AB91661A4EF7 "
         "0512B874-44F6-48F1-AFB5-6DE808DDE230 05F983EC-637F-4133-B489-5E03914929D7 "
         "0B390488-D80F-4A68-8408-48DC199F0E97 0F40E1E5-4F79-4988-B1A9-CC98794E6B55 "
         "1F71651E-65D2-40BF-AC44-275D11927D99 3E3ECA90-4D6A-4344-98C3-1BB95BF24038 "
         "49590BC9-6DD5-4E44-AD4C-E8FCB7131EC4 4DB2B5D9-4556-4340-B189-AD20110D953F "
         "5711D95F-0984-4A22-8FF8-90A954958D0C 650DE05E-5CD3-44F8-BA20-A5BB91FC61E6 "
         "7CA71B1E-A67D-4D54-A200-FA47605483A7 87271B4E-1726-4CED-AF0D-BE675621FD29 "
         "8E9922F0-B775-45B8-B650-941BEA790EEB 9A98ADCC-C6A4-449E-A8B1-0363673D9F8A "
         "A0606860-51BE-4CF6-99C0-7CE5F78AC2D8 B86F6BEE-E7C0-4D03-8D52-5B4430CF6C88 "
         "D6A9B8CC-192D-4F00-8BF8-AD8774011B07 F6E8FC04-8B05-48B1-9399-848229502A06 "
         "FFFCC670-5CD4-4C09-952C-F53F46C2B1A7"},
        {"Check11", "filtres\\ac3filter.ax",
         "02AFA80F-4BEE-41FD-8572-214B58A9EF90 363F46BE-27B4-4C8D-99E7-B1E049B84376 "
         "90A9B7D2-3794-45EA-9E23-140E3938D2D9 A6A695A2-B1AD-49A2-AD6F-FFB82E2A7832 "
         "A753A1EC-973E-4718-AF8E-A3F554D45C44 F0B801B1-A239-473B-B6B4-6AE3DB3ABBD3 "
         "FBA5FB05-58C3-45CB-8B0D-C2313EA048CF"},
        {"Check4", "filtres\\avi.dll", "51A00247-40A8-4845-9F17-7DBFCC9A8783"},
        {"Check15", "filtres\\FLVSplitter.ax",
         "47E792CF-0BBE-4F7A-859C-194B0768650A C9ECE7B3-1D8E-41F5-9F24-B255DF16C087"},
        {"Check2", "filtres\\mkx.dll",
         "53D9DE0B-FC61-4650-9773-74D13CC7E582 64F2005C-6CF5-4652-B94F-600360B15B27 "
         "BD4FB4BE-809D-487b-ADD6-F7D164247E52"},
        {"Check1", "filtres\\mp4.dll", "B3DE7EDC-0CD4-4d07-B1C5-92219CD475CC"},
        {"Check16", "filtres\\Mpeg2DecFilter.ax",
         "39F498AF-1A09-4275-B193-673B0BA3D478 E5FB6957-65E6-491B-BB37-B25C9FE3BEA7"},
        {"Check17", "filtres\\MpegSplitter.ax",
         "1365BE7A-C86A-473C-9A41-C0A6E82C9FA3 DC257063-045F-4BE2-BD5B-E12279C464F0"},
        {"Check3", "filtres\\ogm.dll", "DB43B405-43AA-4f01-82D8-D84D47E6019C"},
        {"Check9", "filtres\\RealMediaSplitter.ax",
         "238D0F23-5DC9-45A6-9BE2-666160C324DD 765035B3-5944-4A94-806B-20EE3415F26F "
         "941A4793-A705-4312-8DFC-C11CA05F397E E21BE468-5C18-43EB-B0CC-DB93A847D769"},
        {"Check18", "filtres\\RLAPEDec.ax", "41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5"},
        {"Check19", "filtres\\RLMPCDec.ax", "876B9304-359C-42E2-864E-B98B03F33C9D"},
        {"Check20", "filtres\\RLOFRDec.ax", "68D6728A-D715-492A-A57B-8DDA01F4921F"},
        {"Check5", "filtres\\ts.dll", "B841F346-4835-4de8-AA5E-2E7CD2D4C435"},
        {"Check12", "filtres\\vp7dec.ax",
         "C204438D-6E1A-4309-B09C-0C0F749863AF EBCBF283-A798-4BA1-A8E1-E9413927F715"},
        {"Check10", "filtres\\VSFilter.dll",
         "0180E49C-13BF-46DB-9AFD-9F52292E1C22 525F116F-04AD-40A2-AE2F-A0C4E1AFEF98 "
         "60765CF5-01C2-4EE7-A44B-C791CF25FEA0 93A22E7A-5091-45EF-BA61-6DA26156A5D0 "
         "9852A670-F845-491B-9BE6-EBD841B8A613 A8B25C0E-0894-4531-B668-AB1599FAF7F6 "
         "ACE4747B-35BD-4E97-9DD7-1D4245B0695C C2D6D98F-09CA-4524-AF64-1049B5665C9C "
         "CE77C59C-CFD2-429F-868C-8B04D23F94CA F544E0F5-CA3C-47EA-A64D-35FCF1602396"},
        {"Check70", "filtres\\madvr.ax",
         "E1A8B82A-32CE-4B0D-BE0D-AA68C772E423 F352C9C1-D39D-4622-A279-978A60927CDE"},
    };
    std::vector<std::string> expected;
    for (const auto& row : documented) {
        std::istringstream ids(row.clsids);
        for (std::string id; ids >> id;) {
            expected.push_back(std::string(row.box) + " " + row.library + " " + id);
        }
    }
    std::vector<std::string> actual;
    for (const auto box : DetectionOrder()) {
        for (const auto clsid : Row(box).clsids) {
            actual.push_back(std::string(box) + " " + std::string(Row(box).detectionLibrary) + " " +
                             std::string(clsid));
        }
    }
    ASSERT_EQ(expected.size(), 62u);
    EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace tzp::filters
