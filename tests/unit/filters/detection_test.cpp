#include <gtest/gtest.h>

#include <algorithm>

#include "filter_pack.h"
#include "filters/registration_info.h"

namespace tzp {
namespace {

using testing::InstallPath;
using testing::RegisterClass;

struct DetectionTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override {
        sys.InstallStandardPack();
        testing::AddEveryLibrary(sys);
    }
    std::vector<std::string> TickedBoxes() const {
        std::vector<std::string> ticked;
        for (const auto& row : filters::Catalogue()) {
            if (sys.form->Value(row.box) == 1) {
                ticked.emplace_back(row.box);
            }
        }
        return ticked;
    }
};

using Boxes = std::vector<std::string>;

TEST_F(DetectionTest, NothingRegisteredTicksNothing) {
    sys.Start();
    EXPECT_EQ(TickedBoxes(), Boxes{});
}

TEST_F(DetectionTest, ALetterCaseDifferenceStillMatches) {
    RegisterClass(sys, "C204438D-6E1A-4309-B09C-0C0F749863AF", "c:\\INSTALL\\Filtres\\VP7DEC.AX");
    // madVR is compared under its lower-case spelling, which matches the shipped one.
    RegisterClass(sys, "F352C9C1-D39D-4622-A279-978A60927CDE", InstallPath("filtres\\madVR.ax"));
    sys.Start();
    EXPECT_EQ(TickedBoxes(), (Boxes{"Check12", "Check70"}));
}

TEST_F(DetectionTest, NonAsciiLettersCompareWithoutRegardToCase) {
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\", "C:\\\xC3\x89t\xC3\xA9");
    RegisterClass(sys, "41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5",
                  "C:\\\xC3\xA9T\xC3\x89\\filtres\\RLAPEDec.ax");
    sys.Start();
    EXPECT_EQ(TickedBoxes(), Boxes{"Check18"});
}

TEST_F(DetectionTest, OtherSpellingsOfTheSameFolderDoNotMatch) {
    RegisterClass(sys, "C204438D-6E1A-4309-B09C-0C0F749863AF", "C:\\INSTAL~1\\filtres\\vp7dec.ax");
    RegisterClass(sys, "47E792CF-0BBE-4F7A-859C-194B0768650A",
                  "C:\\Install\\\\filtres\\FLVSplitter.ax");
    RegisterClass(sys, "876B9304-359C-42E2-864E-B98B03F33C9D",
                  InstallPath("filtres\\RLMPCDec.ax") + " ");
    // Another copy of the filter elsewhere is not the pack's.
    RegisterClass(sys, "68D6728A-D715-492A-A57B-8DDA01F4921F", "C:\\Other\\filtres\\RLOFRDec.ax");
    sys.Start();
    EXPECT_EQ(TickedBoxes(), Boxes{});
}

TEST_F(DetectionTest, OneClassOfManyIsEnough) {
    RegisterClass(sys, "FFFCC670-5CD4-4C09-952C-F53F46C2B1A7", InstallPath("filtres\\ffdshow.ax"));
    RegisterClass(sys, "007FC171-01AA-4B3A-B2DB-062DEE815A1E", "C:\\Other\\ffdshow.ax");
    sys.Start();
    EXPECT_EQ(TickedBoxes(), Boxes{"Check6"});
}

TEST_F(DetectionTest, OnlyMkxRegisteredTicksItsMemberAndTheMaster) {
    RegisterClass(sys, "64F2005C-6CF5-4652-B94F-600360B15B27", InstallPath("filtres\\mkx.dll"));
    sys.Start();
    EXPECT_EQ(TickedBoxes(), (Boxes{"Check13", "Check2"}));
    // The ticks ran the boxes' behaviours, whose marks the end of start-up cleared.
    EXPECT_EQ(sys.form->Value("ischange"), 0);
    EXPECT_EQ(sys.form->Value("tt"), 0);
}

TEST_F(DetectionTest, EveryClassOfEveryRowIsLookedFor) {
    // Each class alone ticks its own box, and Check14 is never ticked.
    for (const auto& row : filters::Catalogue()) {
        for (const auto clsid : row.clsids) {
            fakes::FakeSystem one;
            one.InstallStandardPack();
            RegisterClass(one, clsid, InstallPath(row.detectionLibrary));
            one.Start();
            EXPECT_EQ(one.form->Value(row.box), 1) << row.box << " " << clsid;
            EXPECT_EQ(one.form->Value("Check14"), 0);
        }
    }
}

TEST_F(DetectionTest, ADisabledBoxCanStillBeTicked) {
    // A registered library that carries no version resource.
    fakes::FakeSystem bare;
    bare.InstallStandardPack();
    RegisterClass(bare, "51A00247-40A8-4845-9F17-7DBFCC9A8783", InstallPath("filtres\\avi.dll"));
    RegisterClass(bare, "1365BE7A-C86A-473C-9A41-C0A6E82C9FA3",
                  InstallPath("filtres\\MpegSplitter.ax"));
    bare.Start();
    EXPECT_FALSE(bare.form->Enabled("Check17"));
    EXPECT_EQ(bare.form->Value("Check17"), 1);
    EXPECT_EQ(bare.form->Value("Check4"), 1);
    EXPECT_EQ(bare.form->Value("Check13"), 1);
}

TEST_F(DetectionTest, DetectionShowsNoMessageAndLeavesNoPendingChange) {
    RegisterClass(sys, "DC257063-045F-4BE2-BD5B-E12279C464F0",
                  InstallPath("filtres\\MpegSplitter.ax"));
    sys.files.AddFile("C:\\Pack\\Sav\\Home.sav", "");
    sys.Start();
    EXPECT_EQ(sys.form->Value("Check17"), 1);
    EXPECT_EQ(sys.form->Value("ischange"), 0);
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_TRUE(sys.ui.questions.empty());
}

// Which copy holds each row, in the boxes' tooltips; the ticks stay the detection's.
TEST(RegistrationInfoTest, EachStateIsReadSortedAndSaidInTheTooltip) {
    const std::string here6 = InstallPath("filtres\\ffdshow.ax");
    struct Case {
        const char* box;
        std::vector<std::pair<size_t, std::string>> registered;  // class index -> server
        filters::RegistrationState state;
        int ticked;
        const char* text;  // the tooltip's last line
    };
    using S = filters::RegistrationState;
    const std::vector<Case> cases = {
        {"Check12",
         {{0, InstallPath("filtres\\vp7dec.ax")}, {1, "c:\\INSTALL\\FILTRES\\VP7DEC.AX"}},
         S::ThisCopy,
         1,
         "Registered to this copy."},
        // The first class that names another file is the one shown.
        {"Check9",
         {{1, "D:\\Old Pack\\RealMediaSplitter.ax"}, {3, "E:\\x.ax"}},
         S::OtherCopy,
         0,
         "Registered to another copy: D:\\Old Pack\\RealMediaSplitter.ax"},
        // Another copy holding some classes is said even when the pack's holds others.
        {"Check6",
         {{0, here6}, {5, "C:\\Other\\ffdshow.ax"}},
         S::OtherCopy,
         1,
         "Registered to another copy: C:\\Other\\ffdshow.ax"},
        {"Check10",
         {{0, InstallPath("filtres\\VSFilter.dll")},
          {4, InstallPath("filtres\\VSFilter.dll")},
          {9, InstallPath("filtres\\VSFilter.dll")},
          {5, ""}},  // an empty server names no file
         S::Partly,
         1,
         "Partly registered to this copy: 3 of its 10 classes."},
        {"Check18", {}, S::NotRegistered, 0, "Not registered."},
        // A splitter member has no version caption, and its tooltip no version line.
        {"Check2",
         {{2, "C:\\Elsewhere\\mkx.dll"}},
         S::OtherCopy,
         0,
         "Registered to another copy: C:\\Elsewhere\\mkx.dll"},
    };
    fakes::FakeSystem sys;
    sys.InstallStandardPack();
    testing::AddEveryLibrary(sys);
    for (const auto& c : cases) {
        for (const auto& [index, server] : c.registered) {
            RegisterClass(sys, filters::Row(c.box).clsids[index], server);
        }
    }
    sys.Start();
    const auto read = filters::ReadRegistrations(sys.app);
    for (const auto& c : cases) {
        const auto& row = filters::Row(c.box);
        const auto found =
            std::find_if(read.begin(), read.end(), [&](const auto& r) { return r.box == c.box; });
        ASSERT_NE(found, read.end()) << c.box;
        EXPECT_EQ(found->state, c.state) << c.box;
        EXPECT_EQ(sys.form->Value(c.box), c.ticked) << c.box;
        const std::string version = row.captionPrefix.empty() ? "" : "\r\nen 023 1.2.3.4";
        EXPECT_EQ(sys.form->Get(c.box).tooltip,
                  InstallPath(row.library) + version + "\r\n" + c.text)
            << c.box;
    }
    EXPECT_EQ(read.size(), filters::DetectionOrder().size());
    EXPECT_EQ(read[0].registeredTo, "C:\\Other\\ffdshow.ax");
    // The master has no class of its own; Check14 no library.
    EXPECT_EQ(sys.form->Get("Check13").tooltip,
              InstallPath("filtres\\splitter.ax") + "\r\nen 023 1.2.3.4");
    EXPECT_EQ(sys.form->Get("Check14").tooltip, "");
}

TEST(RegistrationInfoTest, FrenchTextsWhenTheLanguageFileLacksThem) {
    fakes::FakeSystem sys;
    sys.InstallStandardPack();
    sys.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\cpllang", "fr");
    RegisterClass(sys, "41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5", "C:\\Autre\\RLAPEDec.ax");
    RegisterClass(sys, "39F498AF-1A09-4275-B193-673B0BA3D478",
                  InstallPath("filtres\\Mpeg2DecFilter.ax"));
    sys.Start();
    // Without the library, the version is the language's word for a missing one.
    EXPECT_EQ(sys.form->Get("Check18").tooltip,
              InstallPath("filtres\\RLAPEDec.ax") +
                  "\r\nfr 022\r\nEnregistr\xC3\xA9 avec une autre copie : C:\\Autre\\RLAPEDec.ax");
    EXPECT_TRUE(sys.form->Get("Check16").tooltip.ends_with(
        "Enregistr\xC3\xA9 en partie avec cette copie : 1 de ses 2 classes."));
}

}  // namespace
}  // namespace tzp
