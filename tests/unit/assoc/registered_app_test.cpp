// The pack's player as a registered application: the entry the default apps settings
// read, kept to exactly the extensions that open with the chosen player.
#include "assoc/registered_app.h"

#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using platform::Answer;

constexpr const char* kPlayer = R"(C:\Program Files\Test Player\tplayer.exe)";
constexpr const char* kOtherPlayer = R"(C:\Other\vplay.exe)";
// The system's own view, where the shipped 32-bit program must write (see the fake).
constexpr const char* kCapabilities = "64:HKLM\\SOFTWARE\\Tessaly Zivozod Pack\\Capabilities\\";
constexpr const char* kRegistered =
    "64:HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack";

struct RegisteredAppTest : AssocTest {
    void SetUp() override {
        AssocTest::SetUp();
        sys.files.AddFile(kPlayer, "MZ");
        sys.files.AddFile(kOtherPlayer, "MZ");
        for (const char* ext : {".avi", ".mkv", ".wav"}) {
            FileType(ext, std::string("Old") + ext, R"(C:\Old\old.exe "%1")");
        }
        // Two extensions of one ProgID: associating one associates both.
        FileType(".mpg", "mpegfile", R"(C:\Old\old.exe "%1")");
        FileType(".mpeg", "mpegfile", R"(C:\Old\old.exe "%1")");
        sys.files.AddFile(kExtsPath, ".tzx\r\n.TZY\r\n.AVI\r\n");
        sys.Start();
    }
    void Associate(const char* program,
                   std::initializer_list<std::pair<const char*, const char*>> ticks) {
        for (const auto& [list, ext] : ticks) {
            const auto& entries = sys.form->Entries(list);
            for (size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].text.starts_with(std::string(ext) + " (")) {
                    sys.form->SetTicked(list, i, true);
                }
            }
        }
        sys.ui.chosenFiles.push_back(program);
        sys.form->Click("Command7");
        sys.ui.answers.push_back(Answer::Yes);
        sys.form->Click("Command6");
    }
    void Remove(const char* ext) {
        sys.form->SetText("Text2", ext);
        sys.form->Click("Command5");
    }
    std::string Mapped(const std::string& ext) const {
        return Value(std::string(kCapabilities) + "FileAssociations\\" + ext);
    }
};

TEST_F(RegisteredAppTest, TheEntryNamesThePlayerAndExactlyTheExtensionsOpeningWithIt) {
    Associate(kPlayer, {{"List1", ".avi"}, {"List1", ".mpg"}, {"List3", ".tzx"}});
    EXPECT_EQ(sys.ui.messages, std::vector<std::string>{"en 020"});
    EXPECT_EQ(Value(std::string(kCapabilities) + "ApplicationName"),
              "tplayer (Tessaly Zivozod Pack)");
    EXPECT_EQ(Value(std::string(kCapabilities) + "ApplicationDescription"),
              "Plays video and audio files with tplayer, as associated by the Tessaly Zivozod "
              "Pack Control Panel.");
    EXPECT_EQ(Value(std::string(kCapabilities) + "ApplicationIcon"),
              R"("C:\Program Files\Test Player\tplayer.exe",0)");
    EXPECT_EQ(Value(kRegistered), "SOFTWARE\\Tessaly Zivozod Pack\\Capabilities");
    // In list order, each once: ".AVI" of the personal list is ".avi" again; ".mpeg"
    // opens with the player too, through the ProgID it shares.
    const char* const expected[][2] = {{".mpg", "mpegfile"},
                                       {".mpeg", "mpegfile"},
                                       {".avi", "Old.avi"},
                                       {".tzx", "TessalyZivozodPack.tzx"}};
    std::vector<assoc::AppAssociation> associations;
    for (const auto& [ext, progId] : expected) {
        EXPECT_EQ(Mapped(ext), progId) << ext;
        associations.push_back({ext, progId});
    }
    EXPECT_EQ(assoc::AssociationsWith(sys.app, kPlayer), associations);
    for (const char* ext : {".mkv", ".wav", ".TZY"}) {
        EXPECT_EQ(Mapped(ext), "<absent>") << ext;
    }
    // Nothing in the program's own view, which the 64-bit settings do not read.
    EXPECT_FALSE(sys.registry.KeyExists("HKLM\\SOFTWARE\\Tessaly Zivozod Pack\\Capabilities"));
    EXPECT_EQ(Value("HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack"), "<absent>");
    EXPECT_EQ(sys.shell.associationsChangedNotices, 1);
}

TEST_F(RegisteredAppTest, EachWriteDropsWhatOpensElsewhereSinceAndFollowsTheChosenPlayer) {
    Associate(kPlayer, {{"List1", ".avi"}, {"List1", ".mkv"}});
    // Another program takes .mkv back; the next run for the same player drops it.
    sys.registry.Set("HKCR\\Old.mkv\\shell\\open\\command\\", R"("C:\Else\else.exe" "%1")");
    Associate(kPlayer, {{"List2", ".wav"}});
    EXPECT_EQ(Mapped(".avi"), "Old.avi");
    EXPECT_EQ(Mapped(".wav"), "Old.wav");
    EXPECT_EQ(Mapped(".mkv"), "<absent>");
    // A run for another player makes the entry that player's, with its extensions only.
    Associate(kOtherPlayer, {{"List3", ".TZY"}});
    EXPECT_EQ(Value(std::string(kCapabilities) + "ApplicationName"),
              "vplay (Tessaly Zivozod Pack)");
    EXPECT_EQ(Mapped(".TZY"), "TessalyZivozodPack.TZY");
    EXPECT_EQ(Mapped(".avi"), "<absent>");
    EXPECT_EQ(Mapped(".wav"), "<absent>");
    EXPECT_EQ(sys.shell.associationsChangedNotices, 3);
}

TEST_F(RegisteredAppTest, RemovedPersonalExtensionsLeaveTheEntryAndTheLastOneTakesItAway) {
    Associate(kPlayer, {{"List3", ".tzx"}, {"List3", ".TZY"}, {"List3", ".AVI"}});
    ASSERT_EQ(Mapped(".avi"), "Old.avi");
    // .AVI still stands in the video list, so it stays associated and listed.
    Remove(".AVI");
    EXPECT_EQ(Mapped(".avi"), "Old.avi");
    Remove(".tzx");
    EXPECT_EQ(Mapped(".tzx"), "<absent>");
    EXPECT_EQ(Mapped(".TZY"), "TessalyZivozodPack.TZY");
    EXPECT_EQ(sys.shell.associationsChangedNotices, 2);
    // A catalogue extension keeps the entry; without it the last personal one ends it.
    sys.registry.Set("HKCR\\Old.avi\\shell\\open\\command\\", R"("C:\Else\else.exe" "%1")");
    Associate(kPlayer, {{"List3", ".TZY"}});
    Remove(".TZY");
    EXPECT_FALSE(sys.registry.KeyExists(std::string(kCapabilities)));
    EXPECT_EQ(Value(kRegistered), "<absent>");
    EXPECT_EQ(sys.shell.associationsChangedNotices, 4);
}

TEST_F(RegisteredAppTest, ARefusedEntryIsReportedInsteadOfSuccess) {
    sys.registry.DenyWritesUnder("64:HKLM\\SOFTWARE\\Tessaly Zivozod Pack");
    Associate(kPlayer, {{"List1", ".avi"}});
    EXPECT_EQ(Value("HKCR\\Old.avi\\shell\\open\\command\\"),
              R"("C:\Program Files\Test Player\tplayer.exe" "%1")");
    EXPECT_EQ(sys.ui.messages,
              std::vector<std::string>{"The associations have been written, but the pack's "
                                       "player could not be listed in Windows' default apps "
                                       "settings:\r\nerror 5"});
    EXPECT_EQ(Value(kRegistered), "<absent>");
    EXPECT_EQ(sys.shell.associationsChangedNotices, 1);
    // A run whose every write is refused may still have changed a class key: told too.
    sys.registry.DenyWritesUnder("HKCR\\Old.mkv");
    Associate(kPlayer, {{"List1", ".mkv"}});
    EXPECT_EQ(sys.shell.associationsChangedNotices, 2);
}

}  // namespace
}  // namespace tzp::assoc_test
