// Which default apps page the panel opens, decided from the running Windows' build.
#include "assoc/settings_page.h"

#include "assoc_fixture.h"

namespace tzp::assoc_test {
namespace {

using assoc::WindowsBuild;

constexpr const char* kPackPage =
    "ms-settings:defaultapps?registeredAppMachine=Tessaly%20Zivozod%20Pack";
constexpr const char* kVersionKey = "64:HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";

TEST(SettingsPage, OnlyBuildsWithTheApril2023UpdateOpenOnAnApplication) {
    const struct {
        WindowsBuild build;
        bool onApplication;
    } cases[] = {
        {{0, 0}, false},        {{7601, 0}, false},    {{19045, 3803}, false},
        {{22000, 1816}, false}, {{22000, 1817}, true}, {{22001, 5000}, false},
        {{22621, 1554}, false}, {{22621, 1555}, true}, {{22622, 1555}, true},
        {{22630, 0}, false},    {{22631, 0}, true},    {{26100, 1}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(assoc::SettingsOpenOnAnApplication(c.build), c.onApplication)
            << c.build.number << "." << c.build.revision;
    }
    EXPECT_EQ(assoc::PackSettingsAddress(), kPackPage);
}

struct SettingsPageTest : AssocTest {
    void SetUp() override {
        AssocTest::SetUp();
        sys.Start();
    }
    void Windows(const char* build, const char* revision) {
        sys.registry.Set(std::string(kVersionKey) + "CurrentBuildNumber", build);
        sys.registry.Set(std::string(kVersionKey) + "UBR", revision, fakes::StoredType::Dword);
    }
};

TEST_F(SettingsPageTest, TheBuildIsReadFromTheSystemsOwnRegistryView) {
    Windows("22621", "2715");
    sys.registry.Set("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\UBR", "1",
                     fakes::StoredType::Dword);
    const auto build = assoc::ReadWindowsBuild(sys.app);
    EXPECT_EQ(build.number, 22621u);
    EXPECT_EQ(build.revision, 2715u);
    Windows("22H2", "");
    EXPECT_EQ(assoc::ReadWindowsBuild(sys.app).number, 0u);
}

TEST_F(SettingsPageTest, ThePacksPageWhereSupportedAndRegisteredElseTodaysPage) {
    const struct {
        const char* build;
        const char* revision;
        bool registered;
        bool packPageFails;
        bool packPageOpened;
        int plainPageOpened;
    } cases[] = {
        {"22631", "4037", true, false, true, 0},
        {"22621", "1555", true, true, true, 1},  // today's fallback
        {"22621", "1554", true, false, false, 1},
        {"19045", "3803", true, false, false, 1},
        {"22631", "4037", false, false, false, 1},  // no entry to open on
    };
    for (const auto& c : cases) {
        Windows(c.build, c.revision);
        auto entry =
            *platform::ParseRegName("HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack");
        entry.systemView = true;
        (void)sys.registry.Delete(entry);
        if (c.registered) {
            sys.registry.Set("64:HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack",
                             "SOFTWARE\\Tessaly Zivozod Pack\\Capabilities");
        }
        sys.shell.failingAddresses =
            c.packPageFails ? std::vector<std::string>{kPackPage} : std::vector<std::string>{};
        sys.shell.opened.clear();
        sys.shell.settingsOpened = 0;
        EXPECT_TRUE(assoc::OpenDefaultAppsSettings(sys.app).ok());
        EXPECT_EQ(sys.shell.opened, c.packPageOpened ? std::vector<std::string>{kPackPage}
                                                     : std::vector<std::string>{})
            << c.build << "." << c.revision;
        EXPECT_EQ(sys.shell.settingsOpened, c.plainPageOpened) << c.build << "." << c.revision;
    }
}

}  // namespace
}  // namespace tzp::assoc_test
