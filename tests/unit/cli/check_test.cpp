// /check NAME on test doubles: the profile's boxes by the pass's rules against the
// detection's reads, and its registry file's values against the registry.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "../filters/filter_pack.h"
#include "cli/arguments.h"
#include "cli/command_mode.h"
#include "fakes/fake_system.h"

namespace tzp::cli {
namespace {

struct Output : platform::StandardOutput {
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }
    std::string out, err;
};

enum class Held { This, Partly, Other };

// The 19 lines of a state file, every box 0 but those given.
std::string StateFile(const std::map<std::string, int>& values) {
    std::string content;
    for (const char* id : {"001", "002", "003", "004", "005", "006", "009", "010", "011", "012",
                           "013", "014", "015", "016", "017", "018", "019", "020", "070"}) {
        const auto value = values.find(id);
        content += std::string(id) + " " +
                   std::to_string(value == values.end() ? 0 : value->second) + "\r\n";
    }
    return content;
}

struct CheckRun {
    ExitCode code;
    Output output;
    size_t Count(const std::string& part) const {
        size_t count = 0;
        for (size_t at = output.out.find(part); at != std::string::npos;
             at = output.out.find(part, at + 1)) {
            ++count;
        }
        return count;
    }
};

struct CheckTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override {
        sys.InstallStandardPack();
        testing::AddEveryLibrary(sys);
    }
    void Hold(std::string_view box, Held held) {
        const auto& row = filters::Row(box);
        const std::string own = testing::InstallPath(row.detectionLibrary);
        for (size_t i = 0; i < row.clsids.size(); ++i) {
            if (held == Held::This || i == 0) {
                testing::RegisterClass(sys, row.clsids[i],
                                       held == Held::Other ? "C:\\Elsewhere\\x.ax" : own);
            }
        }
    }
    CheckRun Check(const std::string& state, const std::string& registryFile) {
        sys.files.AddFile("C:\\Pack\\Sav\\P.sav", state);
        sys.files.AddFile("C:\\Pack\\Sav\\P.reg", registryFile);
        CheckRun run{ExitCode::WrongUsage, {}};
        run.code = RunCommand(
            sys.app, ParseArguments(std::vector<std::string>{"/check", "P", "/json"}), run.output);
        // Nothing is loaded, nothing started, nothing written.
        EXPECT_TRUE(sys.selfRegistration.calls.empty());
        EXPECT_TRUE(sys.processes.started.empty());
        for (const auto& entry : sys.registry.log) {
            EXPECT_TRUE(entry.starts_with("read")) << entry;
        }
        return run;
    }
};

std::string FilterDifference(const char* box, const char* name, const char* wanted,
                             const char* found) {
    return std::string("{\"box\": \"") + box + "\", \"name\": \"" + name + "\", \"wanted\": \"" +
           wanted + "\", \"found\": \"" + found + "\"}";
}

TEST_F(CheckTest, FilterRowsFollowThePassAndCountOnlyThePacksOwnCopy) {
    struct Case {
        const char* what;
        std::map<std::string, int> state;
        std::vector<std::pair<const char*, Held>> held;
        std::vector<std::string> differences;
    };
    const std::vector<Case> cases{
        {"registered as wanted", {{"006", 1}}, {{"Check6", Held::This}}, {}},
        {"not registered, wanted",
         {{"011", 1}},
         {},
         {FilterDifference("Check11", "Ac3filter.ax", "registered", "none")}},
        {"registered, not wanted",
         {},
         {{"Check10", Held::This}},
         {FilterDifference("Check10", "VSFilter", "unregistered", "this")}},
        {"another copy is not the pack's registration",
         {{"009", 1}},
         {{"Check9", Held::Other}},
         {FilterDifference("Check9", "RealSplitter", "registered", "other")}},
        {"another copy leaves the pack's library unregistered", {}, {{"Check9", Held::Other}}, {}},
        {"partly registered is not registered",
         {{"006", 1}},
         {{"Check6", Held::Partly}},
         {FilterDifference("Check6", "FFDshow", "registered", "partly")}},
        {"partly registered is not unregistered",
         {},
         {{"Check6", Held::Partly}},
         {FilterDifference("Check6", "FFDshow", "unregistered", "partly")}},
        {"master off: every member unregistered, whatever its box",
         {{"002", 1}},
         {{"Check2", Held::This}},
         {FilterDifference("Check13", "Norvi Splitter", "unregistered", "this"),
          FilterDifference("Check2", "MKV Splitter", "unregistered", "this")}},
        {"master on: the members by their own boxes",
         {{"013", 1}, {"002", 1}},
         {{"Check1", Held::This}},
         {FilterDifference("Check1", "MP4 Splitter", "unregistered", "this"),
          FilterDifference("Check2", "MKV Splitter", "registered", "none")}},
        {"master on, no member registered",
         {{"013", 1}, {"002", 1}},
         {},
         {FilterDifference("Check13", "Norvi Splitter", "registered", "none"),
          FilterDifference("Check2", "MKV Splitter", "registered", "none")}},
        {"master on, members as wanted", {{"013", 1}, {"004", 1}}, {{"Check4", Held::This}}, {}},
        {"master on without members registers only what no detection sees", {{"013", 1}}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sys.registry = fakes::FakeRegistry();
        sys.InstallStandardPack();
        for (const auto& [box, held] : c.held) {
            Hold(box, held);
        }
        const CheckRun run = Check(StateFile(c.state), "REGEDIT4\r\n");
        EXPECT_EQ(run.code, c.differences.empty() ? ExitCode::Done : ExitCode::SomeFailed)
            << run.output.err;
        EXPECT_EQ(run.Count("{\"box\": "), c.differences.size()) << run.output.out;
        EXPECT_EQ(run.Count(c.differences.empty() ? "\"matches\": true" : "\"matches\": false"),
                  1u);
        for (const auto& difference : c.differences) {
            EXPECT_EQ(run.Count(difference), 1u) << difference << "\n" << run.output.out;
        }
    }
}

TEST_F(CheckTest, SettingsCompareTypeAndDataOfWhatTheFileNamesOnly) {
    using fakes::StoredType;
    struct Case {
        const char* what;
        std::string lines;  // of the registry file, after its header
        std::vector<std::tuple<const char*, const char*, StoredType>> registry;
        std::vector<std::string> differences;
        ExitCode code = ExitCode::Done;
    };
    const std::string quorel = "[HKEY_CURRENT_USER\\Software\\Quorel]\r\n";
    const std::string key = "\"key\": \"HKEY_CURRENT_USER\\\\Software\\\\Quorel\"";
    const std::vector<Case> cases{
        {"equal, the last line of a value winning, unnamed values not compared",
         quorel + "\"Mode\"=\"old\"\r\n\"Mode\"=\"office\"\r\n@=\"x\"\r\n"
                  "\"Path\"=hex(2):25,54,45,4d,50,25,00\r\n\"Level\"=dword:0000001f\r\n",
         {{"HKCU\\Software\\Quorel\\Mode", "office", StoredType::String},
          {"HKCU\\Software\\Quorel\\", "x", StoredType::String},
          {"HKCU\\Software\\Quorel\\Path", "%TEMP%", StoredType::ExpandString},
          {"HKCU\\Software\\Quorel\\Level", "31", StoredType::Dword},
          {"HKCU\\Software\\Quorel\\Other", "y", StoredType::String}},
         {}},
        {"other data",
         quorel + "\"Mode\"=\"office\"\r\n",
         {{"HKCU\\Software\\Quorel\\Mode", "home", StoredType::String}},
         {"{" + key +
          ", \"name\": \"Mode\", \"wanted\": \"REG_SZ office\", \"found\": \"REG_SZ "
          "home\"}"},
         ExitCode::SomeFailed},
        {"other type",
         quorel + "\"Level\"=dword:00000003\r\n",
         {{"HKCU\\Software\\Quorel\\Level", "3", StoredType::String}},
         {"{" + key +
          ", \"name\": \"Level\", \"wanted\": \"REG_DWORD 0x3\", \"found\": \"REG_SZ "
          "3\"}"},
         ExitCode::SomeFailed},
        {"missing, and a deleted value present",
         quorel + "@=\"x\"\r\n\"Gone\"=-\r\n",
         {{"HKCU\\Software\\Quorel\\Gone", "here", StoredType::String}},
         {"{" + key + ", \"name\": \"\", \"wanted\": \"REG_SZ x\", \"found\": null}",
          "{" + key + ", \"name\": \"Gone\", \"wanted\": null, \"found\": \"REG_SZ here\"}"},
         ExitCode::SomeFailed},
        {"deleted key present",
         "[-HKEY_CURRENT_USER\\Software\\Quorel\\Old]\r\n",
         {{"HKCU\\Software\\Quorel\\Old\\A", "1", StoredType::Dword}},
         {"{\"key\": \"HKEY_CURRENT_USER\\\\Software\\\\Quorel\\\\Old\", \"name\": null, "
          "\"wanted\": null, \"found\": \"present\"}"},
         ExitCode::SomeFailed},
        {"deleted key absent", "[-HKEY_CURRENT_USER\\Software\\Quorel\\Old]\r\n", {}, {}},
        {"a key written again after its deletion",
         "[-HKEY_CURRENT_USER\\Software\\Quorel]\r\n" + quorel + "\"Mode\"=\"office\"\r\n",
         {{"HKCU\\Software\\Quorel\\Mode", "office", StoredType::String}},
         {}},
        {"refused by the import's check",
         "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n",
         {},
         {},
         ExitCode::FilesUnreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sys.registry = fakes::FakeRegistry();
        sys.InstallStandardPack();
        for (const auto& [name, value, type] : c.registry) {
            sys.registry.Set(name, value, type);
        }
        const CheckRun run = Check(StateFile({}), "REGEDIT4\r\n\r\n" + c.lines);
        EXPECT_EQ(run.code, c.code) << run.output.out << run.output.err;
        if (c.code == ExitCode::FilesUnreadable) {
            EXPECT_NE(run.output.err.find("C:\\Pack\\Sav\\P.reg"), std::string::npos)
                << run.output.err;
            continue;
        }
        EXPECT_EQ(run.Count("{\"key\": "), c.differences.size()) << run.output.out;
        for (const auto& difference : c.differences) {
            EXPECT_EQ(run.Count(difference), 1u) << difference << "\n" << run.output.out;
        }
    }
}

}  // namespace
}  // namespace tzp::cli
