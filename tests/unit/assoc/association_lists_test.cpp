#include "assoc/association_lists.h"

#include <algorithm>

#include "assoc/entries.h"
#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using AssociationListsTest = AssocTest;

TEST_F(AssociationListsTest, StartUpShowsTheCatalogueInOrderWithEachProgram) {
    FileType(".avi", "MPC.avi", R"("C:\MPC\mplayerc.exe" "%1")");
    FileType(".mp4", "MP4.File", R"(C:\Players\vlc.exe "%1")");
    sys.Start();
    const auto video = Texts("List1");
    const auto audio = Texts("List2");
    ASSERT_EQ(video.size(), 46u);
    ASSERT_EQ(audio.size(), 28u);
    EXPECT_EQ(video.front(), ".mpg (en 029)");
    EXPECT_EQ(video[28], ".avi (mplayerc)");
    EXPECT_EQ(video[34], ".mp4 (vlc)");
    EXPECT_EQ(video.back(), ".asf (en 029)");
    EXPECT_EQ(audio.front(), ".m4a (en 029)");
    EXPECT_EQ(audio[17], ".mp4 (vlc)");
    EXPECT_EQ(audio.back(), ".flac (en 029)");
    EXPECT_EQ(video[18], ".rmvb (en 029)");
    EXPECT_EQ(audio[9], ".midi (en 029)");
}

// The catalogue as the pack's documentation lists it, typed from that list rather than
// from the program's table: a slip in an extension shows here.
TEST_F(AssociationListsTest, TheListsShowExactlyTheDocumentedCatalogueInOrder) {
    const std::vector<std::string> video{
        ".mpg", ".mpeg", ".mpe",  ".mv1", ".mv2", ".m1v",  ".m2v",  ".mpv2", ".mp2v", ".dat",
        ".ts",  ".tp",   ".tpr",  ".pva", ".fli", ".flic", ".flc",  ".rm",   ".rmvb", ".rpm",
        ".rv",  ".rp",   ".smil", ".smi", ".mov", ".qt",   ".swf",  ".flv",  ".avi",  ".ogm",
        ".mkv", ".vob",  ".ifo",  ".ivf", ".mp4", ".3gp",  ".divx", ".vp6",  ".vp7",  ".roq",
        ".smk", ".bik",  ".wmv",  ".wmp", ".wm",  ".asf"};
    const std::vector<std::string> audio{".m4a", ".aif", ".aifc", ".aiff", ".mpa", ".mp2", ".m1a",
                                         ".m2a", ".mid", ".midi", ".rmi",  ".wav", ".cda", ".ac3",
                                         ".dts", ".mka", ".mp3",  ".mp4",  ".aac", ".ogg", ".ra",
                                         ".ram", ".wma", ".mpc",  ".ape",  ".ofr", ".ofs", ".flac"};
    ASSERT_EQ(video.size() + audio.size(), 74u);
    sys.Start();
    auto extensions = [this](const char* list) {
        std::vector<std::string> parts;
        for (const auto& text : Texts(list)) {
            parts.push_back(assoc::ExtensionPart(text));
        }
        return parts;
    };
    EXPECT_EQ(extensions("List1"), video);
    EXPECT_EQ(extensions("List2"), audio);
}

TEST_F(AssociationListsTest, StartUpLooksUpVideoThenAudioThenPersonalExtensions) {
    sys.files.AddFile(kExtsPath, ".xyz\r\n");
    sys.Start();
    const auto& log = sys.registry.log;
    auto at = [&log](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    const auto installDir = at("read:HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\");
    const auto firstVideo = at("read:HKCR\\.mpg\\");
    const auto lastVideo = at("read:HKCR\\.asf\\");
    const auto firstAudio = at("read:HKCR\\.m4a\\");
    const auto lastAudio = at("read:HKCR\\.flac\\");
    const auto personal = at("read:HKCR\\.xyz\\");
    EXPECT_LT(installDir, firstVideo);
    EXPECT_LT(firstVideo, lastVideo);
    EXPECT_LT(lastVideo, firstAudio);
    EXPECT_LT(firstAudio, lastAudio);
    EXPECT_LT(lastAudio, personal);
    EXPECT_LT(personal, static_cast<std::ptrdiff_t>(log.size()));
}

TEST_F(AssociationListsTest, RebuildShowsTheRegistryNowAndDropsEveryTick) {
    sys.files.AddFile(kExtsPath, ".xyz\r\n");
    sys.Start();
    sys.form->SetTicked("List1", 0, true);
    sys.form->SetTicked("List2", 3, true);
    sys.form->SetTicked("List3", 0, true);
    FileType(".xyz", "X.file", R"(C:\X\xplay.exe "%1")");
    sys.files.AddFile(kExtsPath, ".xyz\r\n\r\n.abc\r\n");
    assoc::BuildAssociationLists(sys.app);
    EXPECT_EQ(Texts("List1").size(), 46u);
    EXPECT_EQ(Texts("List2").size(), 28u);
    EXPECT_EQ(Texts("List3"), (std::vector<std::string>{".xyz (xplay)", ".abc (en 029)"}));
    for (const char* list : {"List1", "List2", "List3"}) {
        for (const auto& entry : sys.form->Entries(list)) {
            EXPECT_FALSE(entry.ticked) << entry.text;
        }
    }
}

}  // namespace
}  // namespace tzp::assoc_test
