#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "../decoders/decoders_fixture.h"
#include "../filters/filter_pack.h"
#include "cli/arguments.h"
#include "cli/command_mode.h"
#include "cli/status.h"
#include "core/version.h"
#include "fakes/fake_system.h"
#include "fuzz/json_check.h"
#include "platform/reg.h"

namespace tzp::cli {
namespace {

struct ArgumentCase {
    ArgumentCase(std::vector<std::string> arguments, Command command, bool json = false,
                 std::string name = "", UsageProblem problem = UsageProblem::None,
                 std::string argument = "")
        : arguments(std::move(arguments)),
          command(command),
          json(json),
          name(std::move(name)),
          problem(problem),
          argument(std::move(argument)) {}
    std::vector<std::string> arguments;
    Command command;
    bool json;
    std::string name;
    UsageProblem problem;
    std::string argument;
};

TEST(CommandLineArguments, EachCommandWithEitherSignAndAnyCase) {
    const std::vector<ArgumentCase> cases{
        {{}, Command::Window},
        {{"/?"}, Command::Usage},
        {{"-?"}, Command::Usage},
        {{"/status"}, Command::Status},
        {{"-STATUS"}, Command::Status},
        {{"/Status", "-JSON"}, Command::Status, true},
        {{"-Decoders", "/json"}, Command::Decoders, true},
        {{"/decoders", "x"}, Command::Wrong, false, "", UsageProblem::ExtraArgument, "x"},
        {{"/apply", "Home Cinema"}, Command::Apply, false, "Home Cinema"},
        {{"-APPLY", "-x"}, Command::Apply, false, "-x"},  // a name is taken as it is
        {{"/save", "Caf\xC3\xA9"}, Command::Save, false, "Caf\xC3\xA9"},
        {{"/check", "Office"}, Command::Check, false, "Office"},
        {{"-CHECK", "Office", "/JSON"}, Command::Check, true, "Office"},
        {{"/apply", "Office", "-json"}, Command::Apply, true, "Office"},
        {{"/apply", "/json"}, Command::Apply, false, "/json"},  // the name comes first
        {{"/check", "a", "/json", "/json"},
         Command::Wrong,
         false,
         "",
         UsageProblem::ExtraArgument,
         "/json"},
        {{"/save", "a", "/json"}, Command::Wrong, false, "", UsageProblem::ExtraArgument, "/json"},
        {{"/check"}, Command::Wrong, false, "", UsageProblem::MissingName, "/check"},
        {{"-Save", ""}, Command::Save, false, ""},  // given, but empty: refused later
        {{"/statuss"}, Command::Wrong, false, "", UsageProblem::UnknownCommand, "/statuss"},
        {{"status"}, Command::Wrong, false, "", UsageProblem::UnknownCommand, "status"},
        {{"/"}, Command::Wrong, false, "", UsageProblem::UnknownCommand, "/"},
        {{"/json"}, Command::Wrong, false, "", UsageProblem::UnknownCommand, "/json"},
        {{"/apply"}, Command::Wrong, false, "", UsageProblem::MissingName, "/apply"},
        {{"-SAVE"}, Command::Wrong, false, "", UsageProblem::MissingName, "-SAVE"},
        {{"/save", "a", "b"}, Command::Wrong, false, "", UsageProblem::ExtraArgument, "b"},
        {{"/status", "/json", "/json"},
         Command::Wrong,
         false,
         "",
         UsageProblem::ExtraArgument,
         "/json"},
        {{"/status", "x"}, Command::Wrong, false, "", UsageProblem::ExtraArgument, "x"},
        {{"/?", "/status"}, Command::Wrong, false, "", UsageProblem::ExtraArgument, "/status"},
        {{"/export-associations", "C:\\out.xml"},
         Command::ExportAssociations,
         false,
         "C:\\out.xml"},
        {{"-EXPORT-Associations", "/json"}, Command::ExportAssociations, false, "/json"},
        {{"/export-associations"},
         Command::Wrong,
         false,
         "",
         UsageProblem::MissingFile,
         "/export-associations"},
        {{"/export-associations", "a.xml", "/json"},
         Command::Wrong,
         false,
         "",
         UsageProblem::ExtraArgument,
         "/json"},
    };
    for (const auto& c : cases) {
        const std::string label = ::testing::PrintToString(c.arguments);
        const Invocation invocation = ParseArguments(c.arguments);
        EXPECT_EQ(invocation.command, c.command) << label;
        EXPECT_EQ(invocation.json, c.json) << label;
        EXPECT_EQ(invocation.name, c.name) << label;
        EXPECT_EQ(invocation.problem, c.problem) << label;
        EXPECT_EQ(invocation.argument, c.argument) << label;
    }
}

struct RecordedOutput : platform::StandardOutput {
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
    std::string out;
    std::string err;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A pack on test doubles with every library present, not yet started: the command
// starts it.
struct CommandModeTest : ::testing::Test {
    fakes::FakeSystem sys;
    RecordedOutput output;

    void SetUp() override {
        sys.InstallStandardPack();
        testing::AddEveryLibrary(sys);
    }

    ExitCode Run(std::vector<std::string> arguments) {
        return RunCommand(sys.app, ParseArguments(arguments), output);
    }

    void TearDown() override {
        // Nothing in command mode may wait for a person.
        EXPECT_TRUE(sys.ui.questions.empty());
    }
};

TEST_F(CommandModeTest, WrongUsageGives2WithTheProblemAndTheUsageOnTheErrorOutput) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"/frobnicate"}, {"/apply"}, {"/save", "a", "b"}}) {
        output = {};
        EXPECT_EQ(Run(arguments), ExitCode::WrongUsage) << arguments[0];
        EXPECT_EQ(output.out, "");
        EXPECT_TRUE(Contains(output.err, "Usage:\r\n  tzpcp.exe      ")) << output.err;
    }
    EXPECT_TRUE(Contains(output.err, "Unexpected argument: b\r\n"));
}

TEST_F(CommandModeTest, UsageGoesToTheOutputWithExitCode0) {
    EXPECT_EQ(Run({"/?"}), ExitCode::Done);
    EXPECT_EQ(output.out.rfind("Tessaly Zivozod Pack Control Panel " +
                                   std::string(ProgramVersion()) + "\r\nUsage:\r\n",
                               0),
              0u)
        << output.out;
    EXPECT_TRUE(Contains(output.out, "  tzpcp.exe /save NAME")) << output.out;
    EXPECT_EQ(output.out.substr(output.out.size() - 2), "\r\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(CommandModeTest, AMissingInstallationGives4ForEveryCommand) {
    sys.registry.Delete(*platform::ParseRegName("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\")).ok();
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"/status"}, {"/save", "a"}, {"/apply", "a"}, {"/decoders"}}) {
        output = {};
        EXPECT_EQ(Run(arguments), ExitCode::PackNotFound) << arguments[0];
        EXPECT_EQ(output.err,
                  "The installation directory of the pack cannot be found: Erreur\\\r\n");
    }
    EXPECT_TRUE(sys.files.Content("C:\\Pack\\Sav\\a.sav") == std::nullopt);
}

TEST_F(CommandModeTest, ExportAssociationsWritesTheListedExtensionsOfTheEntryOrSaysWhyNot) {
    const std::string capabilities = "64:HKLM\\SOFTWARE\\Tessaly Zivozod Pack\\Capabilities\\";
    EXPECT_EQ(Run({"/export-associations", "C:\\out.xml"}), ExitCode::NoSuchProfile);
    EXPECT_EQ(output.err,
              "The control panel has associated no extension with a player: there is nothing to "
              "export.\r\n");
    EXPECT_FALSE(sys.files.Content("C:\\out.xml"));

    sys.registry.Set(capabilities + "ApplicationName", "Q&A \"Best\" <Player>");
    sys.registry.Set(capabilities + "FileAssociations\\.mkv", "TessalyZivozodPack.mkv");
    sys.registry.Set(capabilities + "FileAssociations\\.avi", "Old.avi");
    sys.registry.Set(capabilities + "FileAssociations\\.gone", "Gone");  // listed nowhere
    output = {};
    EXPECT_EQ(Run({"/export-associations", "C:\\out.xml"}), ExitCode::Done);
    EXPECT_EQ(output.out, "The default associations have been written to C:\\out.xml.\r\n");
    EXPECT_EQ(sys.files.Content("C:\\out.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<DefaultAssociations>\r\n"
              "  <Association Identifier=\".avi\" ProgId=\"Old.avi\" ApplicationName=\"Q&amp;A "
              "&quot;Best&quot; &lt;Player&gt;\" />\r\n"
              "  <Association Identifier=\".mkv\" ProgId=\"TessalyZivozodPack.mkv\" "
              "ApplicationName=\"Q&amp;A &quot;Best&quot; &lt;Player&gt;\" />\r\n"
              "</DefaultAssociations>\r\n");

    output = {};
    EXPECT_EQ(Run({"/export-associations", "C:\\No Folder\\out.xml"}), ExitCode::SomeFailed);
    EXPECT_TRUE(Contains(output.err,
                         "The default associations file could not be written: C:\\No "
                         "Folder\\out.xml\r\n"))
        << output.err;

    output = {};
    EXPECT_EQ(Run({"/?"}), ExitCode::Done);
    EXPECT_TRUE(Contains(output.out, "  tzpcp.exe /export-associations FILE writes")) << output.out;
}

// A service that fails in a way no handler expects, as a wiring fault would.
struct BrokenVersions : platform::VersionService {
    std::unique_ptr<platform::VersionBlock> Open(const std::string&) override {
        throw std::runtime_error("no version reader wired");
    }
};

TEST_F(CommandModeTest, AFaultOfTheProgramEndsTheCommandWith6AndSaysWhatItWas) {
    BrokenVersions broken;
    platform::Platform platform{sys.registry,  sys.files, broken, sys.selfRegistration,
                                sys.processes, sys.shell, sys.ui, sys.errors};
    App app{*sys.form, platform, fakes::kPackDir};
    EXPECT_EQ(RunCommand(app, ParseArguments(std::vector<std::string>{"/status"}), output),
              ExitCode::Fault);
    EXPECT_EQ(output.err,
              "The command stopped on a fault of the program: no version reader wired\r\n");
}

TEST_F(CommandModeTest, StatusReportsTheDetectedStatesAndTheProfiles) {
    testing::RegisterClass(sys, filters::Row("Check2").clsids[0],
                           testing::InstallPath("filtres\\mkx.dll"));
    sys.files.AddFile("C:\\Pack\\Sav\\Say \"hi\".sav", "001 1\r\n");
    EXPECT_EQ(Run({"/status", "/json"}), ExitCode::Done);
    const std::string json = output.out;
    EXPECT_EQ(json.rfind("{\r\n  \"version\": \"" + std::string(ProgramVersion()) + "\",\r\n", 0),
              0u)
        << json;
    EXPECT_TRUE(Contains(json, "\"installationDirectory\": \"C:\\\\Install\\\\\",")) << json;
    EXPECT_TRUE(Contains(json,
                         "{\"box\": \"Check2\", \"name\": \"MKV Splitter\", \"library\": "
                         "\"filtres\\\\mkx.dll\", \"version\": \"1.2.3.4\", "
                         "\"registered\": true, \"registration\": \"partly\", "
                         "\"registeredTo\": null}"))
        << json;
    // The splitter master follows its members, as in the window.
    EXPECT_TRUE(Contains(json,
                         "\"name\": \"Norvi Splitter\", \"library\": "
                         "\"filtres\\\\splitter.ax\", \"version\": \"1.2.3.4\", "
                         "\"registered\": true"));
    EXPECT_TRUE(Contains(json, "\"registered\": false, \"registration\": \"none\""));
    EXPECT_TRUE(Contains(json,
                         "\"player\": {\"file\": \"mpc\\\\mplayerc.exe\", \"version\": "
                         "null}"));
    EXPECT_TRUE(Contains(json, "\"profiles\": [\"Say \\\"hi\\\"\"]"));

    output = {};
    EXPECT_EQ(Run({"/status"}), ExitCode::Done);
    EXPECT_TRUE(Contains(output.out, "Language: en\r\nInstallation directory: C:\\Install\\\r\n"))
        << output.out;
    EXPECT_TRUE(
        Contains(output.out,
                 "  MKV Splitter   filtres\\mkx.dll              "
                 "registered     en 023 1.2.3.4        Partly registered to this copy: 1 of its 3 "
                 "classes.\r\n"))
        << output.out;
    EXPECT_TRUE(Contains(output.out, "Profiles:\r\n  Say \"hi\"\r\n"));
}

TEST_F(CommandModeTest, JsonStringsEscapeQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("a\"b\\c\x01\x1f\tz\xC3\xA9"),
              "\"a\\\"b\\\\c\\u0001\\u001f\\u0009z\xC3\xA9\"");
}

TEST_F(CommandModeTest, SaveReplacesAProfileWithoutAskingAndRefusesUnusableNames) {
    sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", "001 1\r\n");
    sys.files.AddFile("C:\\Pack\\Sav\\Films.reg", "REGEDIT4\r\n; old\r\n");
    testing::RegisterClass(sys, filters::Row("Check6").clsids[3],
                           testing::InstallPath("filtres\\ffdshow.ax"));
    EXPECT_EQ(Run({"/save", "Films"}), ExitCode::Done);
    EXPECT_EQ(output.out, "en 040\r\n");
    const auto state = sys.files.Content("C:\\Pack\\Sav\\Films.sav").value_or("");
    EXPECT_TRUE(Contains(state, "001 0\r\n")) << state;
    EXPECT_TRUE(Contains(state, "006 1\r\n")) << state;
    EXPECT_EQ(sys.files.Content("C:\\Pack\\Sav\\Films.reg"), "REGEDIT4\r\n");

    for (const std::string name : {"a/b", "", "NUL", ".."}) {
        output = {};
        EXPECT_EQ(Run({"/save", name}), ExitCode::NoSuchProfile) << name;
        EXPECT_TRUE(Contains(output.err, "en 065\r\n")) << name;
    }
}

TEST_F(CommandModeTest, SaveGives1WhenTheFilesCannotBeWrittenAnd4WithoutAProfileFolder) {
    sys.files.DenyWrites("C:\\Pack\\Sav\\New.reg");
    EXPECT_EQ(Run({"/save", "New"}), ExitCode::SomeFailed);
    EXPECT_TRUE(Contains(output.err, "en 067\r\nC:\\Pack\\Sav\\New.reg\r\n")) << output.err;

    fakes::FakeSystem noFolder;
    noFolder.files.AddFolder("C:\\Pack\\Langs");
    noFolder.files.AddFolder(std::string(fakes::kInstallDir) + "\\filtres");
    noFolder.registry.Set("HKCU\\SOFTWARE\\Tessaly Zivozod Pack\\", fakes::kInstallDir);
    output = {};
    EXPECT_EQ(
        RunCommand(noFolder.app, ParseArguments(std::vector<std::string>{"/save", "New"}), output),
        ExitCode::PackNotFound);
    EXPECT_TRUE(Contains(output.err, "C:\\Pack\\Sav")) << output.err;
}

TEST_F(CommandModeTest, ApplyPreviewsTheProfileRunsThePassAndAwaitsTheImport) {
    sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", "006 1\r\n013 1\r\n002 1\r\n");
    sys.files.AddFile("C:\\Pack\\Sav\\Films.reg", "REGEDIT4\r\n");
    sys.selfRegistration.Add(testing::InstallPath("filtres\\RealMediaSplitter.ax"),
                             {.result = 0x80004005});

    EXPECT_EQ(Run({"/apply", "films"}), ExitCode::NoSuchProfile) << "letter case counts";
    EXPECT_EQ(output.err, "en 043\r\nfilms\r\n");
    EXPECT_TRUE(sys.selfRegistration.calls.empty());

    output = {};
    EXPECT_EQ(Run({"/apply", "Films"}), ExitCode::SomeFailed) << output.out;
    const auto ran = [&](const std::string& file, const char* entry) {
        const std::string call = testing::InstallPath("filtres\\" + file) + "|" + entry;
        const auto& calls = sys.selfRegistration.calls;
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    };
    EXPECT_TRUE(ran("ffdshow.ax", "DllRegisterServer"));
    EXPECT_TRUE(ran("mkx.dll", "DllRegisterServer"));
    EXPECT_TRUE(ran("ogm.dll", "DllUnregisterServer"));
    EXPECT_TRUE(ran("RealMediaSplitter.ax", "DllUnregisterServer"));
    ASSERT_EQ(sys.processes.started.size(), 1u);
    // The checked private copy is imported, and removed once the editor has ended.
    EXPECT_EQ(sys.processes.started[0].commandLine,
              "regedit.exe /s \"C:\\Temp\\tzpcp\\import-1.reg\"");
    EXPECT_FALSE(sys.files.FileExists("C:\\Temp\\tzpcp\\import-1.reg"));
    EXPECT_TRUE(Contains(output.out,
                         "  FFDshow        filtres\\ffdshow.ax           "
                         "register    done        unchanged\r\n"))
        << output.out;
    EXPECT_TRUE(Contains(output.out,
                         "  RealSplitter   filtres\\RealMediaSplitter.ax "
                         "unregister  the library reported the failure 0x80004005"));
    EXPECT_TRUE(Contains(output.out,
                         "The settings of the profile have been imported; the registry held them "
                         "already: unchanged.\r\n"));
    EXPECT_FALSE(Contains(output.out, "en 034"));

    // Every library doing its part, the import failing: still 1.
    sys.selfRegistration.Add(testing::InstallPath("filtres\\RealMediaSplitter.ax"));
    sys.processes.exitCode = 1;
    output = {};
    EXPECT_EQ(Run({"/apply", "Films"}), ExitCode::SomeFailed);
    EXPECT_TRUE(Contains(output.out, "the registry editor ended with the code 1.\r\n"))
        << output.out;

    sys.processes.exitCode = 0;
    output = {};
    EXPECT_EQ(Run({"/apply", "Films"}), ExitCode::Done);
    // The fake libraries write nothing, and the file sets nothing: nothing changed.
    EXPECT_TRUE(Contains(output.out,
                         "\r\nen 034\r\nNothing changed: the PC already matched the "
                         "profile.\r\n"))
        << output.out;
    EXPECT_EQ(output.err, "");
}

TEST_F(CommandModeTest, DecodersPrintsBothViewsAsJsonOrAsLines) {
    testing::AddDecoder(sys.registry, "", testing::kPackVideo, "FFDshow Video", 0xFF800001,
                        {testing::kVideo, testing::kH264}, "C:\\Install\\filtres\\ffdshow.ax");
    sys.files.AddFile("C:\\Install\\filtres\\ffdshow.ax", "");
    testing::AddDecoder(sys.registry, "", "{AAAAAAAA-0000-0000-0000-000000000001}",
                        "Other \"H.264\"", 0x600000, {testing::kVideo, testing::kH264});
    EXPECT_EQ(Run({"/decoders", "/json"}), ExitCode::Done);
    const std::string& json = output.out;
    EXPECT_TRUE(fuzz::IsJsonDocument(json)) << json;
    EXPECT_EQ(json.rfind("{\"views\": {\r\n  \"32\": {\r\n    \"formats\": [\r\n      {\"major\": "
                         "\"{73646976-0000-0010-8000-00AA00389B71}\", \"subtype\": "
                         "\"{34363248-0000-0010-8000-00AA00389B71}\", \"name\": \"H.264\", ",
                         0),
              0u)
        << json;
    EXPECT_TRUE(Contains(
        json,
        "\"candidates\": [{\"clsid\": \"" + std::string(testing::kPackVideo) +
            "\", \"name\": \"FFDshow Video\", \"merit\": 4286578689, "
            "\"preferred\": false, \"equalMerit\": false, \"renderer\": false, \"pack\": true, "
            "\"box\": \"Check6\", \"file\": "
            "\"C:\\\\Install\\\\filtres\\\\ffdshow.ax\"}, {\"clsid\": "
            "\"{AAAAAAAA-0000-0000-0000-000000000001}\", \"name\": "
            "\"Other \\\"H.264\\\"\""))
        << json;
    EXPECT_TRUE(Contains(json,
                         "{\"extension\": \".mpg\", \"sourceFilter\": null, \"pack\": false, "
                         "\"box\": null, \"mediaFoundation\": false}"))
        << json;
    EXPECT_TRUE(Contains(json, "\"64\": {\r\n    \"formats\": [],")) << json;

    output = {};
    EXPECT_EQ(Run({"/decoders"}), ExitCode::Done);
    EXPECT_TRUE(Contains(output.out, "For 32-bit players:\r\n  H.264  ")) << output.out;
    EXPECT_TRUE(Contains(output.out, "    1. FFDshow Video  " + std::string(testing::kPackVideo) +
                                         "  merit 0xFF800001, the pack's FFDshow  "
                                         "C:\\Install\\filtres\\ffdshow.ax\r\n"))
        << output.out;
    EXPECT_TRUE(Contains(output.out, "For 64-bit players:\r\n  Extensions:\r\n")) << output.out;
}

}  // namespace
}  // namespace tzp::cli
