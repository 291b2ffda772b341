#include "assoc/read_association.h"

#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using assoc::ProgramNameFromCommand;
using assoc::ReadAssociation;

TEST(ProgramNameFromCommand, CutsTheLastPartBeforeItsLastExe) {
    const std::pair<const char*, const char*> cases[] = {
        {R"("C:\Program Files\MPC\mplayerc.exe" "%1")", "mplayerc"},
        {R"(C:\WINDOWS\NOTEPAD.EXE %1)", "NOTEPAD"},
        {R"(wmplayer.exe /Open %1)", "wmplayer"},
        {R"(C:\x\Player.Exe "%1")", "Player"},
        // ".exe" twice after the last backslash: the last one counts.
        {R"(C:\tools\run.exe.player.exe "%1")", "run.exe.player"},
        {R"(C:\tools\runner.exe -x.exe)", "runner.exe -x"},
        {R"("C:\Program Files (x86)\VLC\vlc.exe" --started-from-file "%1")", "vlc"},
    };
    for (const auto& [command, name] : cases) {
        EXPECT_EQ(ProgramNameFromCommand(command, "none"), name) << command;
    }
}

TEST(ProgramNameFromCommand, NamesTheProgramFileWhenTheLastPartHoldsNoExe) {
    const std::pair<const char*, const char*> cases[] = {
        // Not an .exe program.
        {R"("C:\Tools\play list.cmd" "%1")", "play list"},
        {R"(C:\Tools\play.bat %1)", "play"},
        {R"(C:\Program Files\Tools\play.cmd %1)", "play"},
        // The last backslash lies in an argument.
        {R"(%SystemRoot%\System32\rundll32.exe "%ProgramFiles%\Viewer\PhotoViewer.dll", )"
         R"(ImageView_Fullscreen %1)",
         "rundll32"},
        {R"("C:\x\player.exe" /dir "C:\Media\Films")", "player"},
        {R"(player.exe "C:\Media\%1")", "player"},
        // No extension at all.
        {R"("C:\bin\mpv" "%1")", "mpv"},
        {R"(C:\bin\mpv %1)", "mpv"},
    };
    for (const auto& [command, name] : cases) {
        EXPECT_EQ(ProgramNameFromCommand(command, "none"), name) << command;
    }
}

TEST(ProgramNameFromCommand, AMissingOrEmptyCommandIsNotAssociated) {
    EXPECT_EQ(ProgramNameFromCommand("Erreur", "none"), "none");
    EXPECT_EQ(ProgramNameFromCommand(R"(C:\dir\Erreur)", "none"), "none");
    EXPECT_EQ(ProgramNameFromCommand("", "none"), "none");
    EXPECT_EQ(ProgramNameFromCommand("  ", "none"), "none");
    EXPECT_EQ(ProgramNameFromCommand(R"("")", "none"), "none");
}

TEST(ProgramNameFromCommand, ANameNeverBreaksTheEntryFormat) {
    EXPECT_EQ(ProgramNameFromCommand(R"("C:\x\my (old) player.exe" "%1")", "none"),
              "my(old) player");
    EXPECT_EQ(ProgramNameFromCommand(R"("C:\x\a ( ( b.cmd")", "none"), "a(( b");
    // Nor does the not-associated text of a language that puts " (" in it.
    for (const char* command : {"Erreur", "", R"("")"}) {
        EXPECT_EQ(ProgramNameFromCommand(command, "aucun (non associ\xC3\xA9)"),
                  "aucun(non associ\xC3\xA9)")
            << command;
    }
}

using ReadAssociationTest = AssocTest;

TEST_F(ReadAssociationTest, FollowsTheClassKeyToItsVerbsCommand) {
    FileType(".avi", "MPC.avi", R"("C:\Program Files\MPC\mplayerc.exe" "%1")");
    sys.Start();
    EXPECT_EQ(ReadAssociation(sys.app, ".avi"), "mplayerc");
}

TEST_F(ReadAssociationTest, TheUsersProgIdOverridesTheClassProgId) {
    FileType(".avi", "MPC.avi", R"("C:\MPC\mplayerc.exe" "%1")");
    sys.registry.Set(std::string(kUserExts) + ".avi\\ProgId", "VLC.avi");
    sys.registry.Set("HKCR\\VLC.avi\\shell\\", "play");
    sys.registry.Set("HKCR\\VLC.avi\\shell\\play\\command\\", R"("C:\VLC\vlc.exe" "%1")");
    sys.Start();
    EXPECT_EQ(ReadAssociation(sys.app, ".avi"), "vlc");
    // Letter case of the extension names the same keys.
    EXPECT_EQ(ReadAssociation(sys.app, ".AVI"), "vlc");
}

TEST_F(ReadAssociationTest, AShellKeyWithoutDefaultVerbUsesOpen) {
    FileType(".mkv", "MPC.mkv", R"(C:\MPC\mplayerc.exe "%1")");
    sys.registry.Set("HKCR\\MPC.mkv\\shell\\play\\command\\", R"(C:\Other\other.exe "%1")");
    sys.Start();
    EXPECT_EQ(ReadAssociation(sys.app, ".mkv"), "mplayerc");
    // An empty default names no verb either.
    sys.registry.Set("HKCR\\MPC.mkv\\shell\\", "");
    EXPECT_EQ(ReadAssociation(sys.app, ".mkv"), "mplayerc");
    sys.registry.Set("HKCR\\MPC.mkv\\shell\\", "play");
    EXPECT_EQ(ReadAssociation(sys.app, ".mkv"), "other");
}

TEST_F(ReadAssociationTest, AMissingClassKeyVerbCommandOrValueIsNotAssociated) {
    sys.registry.Set("HKCR\\.nocmd\\", "NoCommand");
    sys.registry.Set("HKCR\\NoCommand\\shell\\open\\command\\Other", "x.exe");
    sys.registry.Set("HKCR\\.noprog\\", "Nothing.Here");
    sys.Start();
    EXPECT_EQ(ReadAssociation(sys.app, ".nothing"), kNotAssociated);
    EXPECT_EQ(ReadAssociation(sys.app, ".nocmd"), kNotAssociated);
    EXPECT_EQ(ReadAssociation(sys.app, ".noprog"), kNotAssociated);
    // With no ProgID at all the missing-value marker is no key name: a stray key of that
    // name gives nothing a program, and no read looks for it.
    sys.registry.Set("HKCR\\Erreur\\shell\\open\\command\\", "C:\\Stray\\stray.exe %1");
    sys.registry.log.clear();
    EXPECT_EQ(ReadAssociation(sys.app, ".nothing"), kNotAssociated);
    const std::vector<std::string> expected = {
        "read:HKCR\\.nothing\\",
        std::string("read:") + kUserExts + ".nothing\\ProgId",
    };
    EXPECT_EQ(sys.registry.log, expected);
}

TEST_F(ReadAssociationTest, MakesFourReadsAndWritesNothing) {
    FileType(".avi", "MPC.avi", R"(C:\MPC\mplayerc.exe "%1")");
    sys.Start();
    sys.registry.log.clear();
    ReadAssociation(sys.app, ".avi");
    const std::vector<std::string> expected = {
        "read:HKCR\\.avi\\",
        std::string("read:") + kUserExts + ".avi\\ProgId",
        "read:HKCR\\MPC.avi\\shell\\",
        "read:HKCR\\MPC.avi\\shell\\open\\command\\",
    };
    EXPECT_EQ(sys.registry.log, expected);
}

}  // namespace
}  // namespace tzp::assoc_test
