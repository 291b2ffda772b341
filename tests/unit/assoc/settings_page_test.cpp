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
        const std::string plain = c.build.number >= 10240 ? "ms-settings:defaultapps" : "";
        EXPECT_EQ(assoc::DefaultAppsAddress(c.build, true), c.onApplication ? kPackPage : plain)
            << c.build.number << "." << c.build.revision;
        // Not registered, there is no entry to open the page on.
        EXPECT_EQ(assoc::DefaultAppsAddress(c.build, false), plain) << c.build.number;
    }
    EXPECT_EQ(assoc::DefaultAppsAddress({10240, 0}, false), "ms-settings:defaultapps");
    EXPECT_EQ(assoc::DefaultAppsAddress({9600, 0}, false), "");
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

TEST_F(SettingsPageTest, TheAddressForThisWindowsAndTheControlPanelWhereThereIsNoneOrItFails) {
    const struct {
        const char* build;
        bool registered;
        bool addressFails;
        const char* opened;
        int controlPanelOpened;
    } cases[] = {
        {"22631", true, false, kPackPage, 0}, {"22631", false, false, "ms-settings:defaultapps", 0},
        {"22631", true, true, kPackPage, 1},  {"19045", true, true, "ms-settings:defaultapps", 1},
        {"7601", true, false, nullptr, 1},
    };
    for (const auto& c : cases) {
        Windows(c.build, "4037");
        auto entry =
            *platform::ParseRegName("HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack");
        entry.systemView = true;
        (void)sys.registry.Delete(entry);
        if (c.registered) {
            sys.registry.Set("64:HKLM\\SOFTWARE\\RegisteredApplications\\Tessaly Zivozod Pack",
                             "SOFTWARE\\Tessaly Zivozod Pack\\Capabilities");
        }
        sys.shell.failingAddresses = {kPackPage, "ms-settings:defaultapps"};
        if (!c.addressFails) {
            sys.shell.failingAddresses.clear();
        }
        sys.shell.opened.clear();
        sys.shell.settingsOpened = 0;
        EXPECT_TRUE(assoc::OpenDefaultAppsSettings(sys.app).ok());
        EXPECT_EQ(sys.shell.opened, c.opened != nullptr ? std::vector<std::string>{c.opened}
                                                        : std::vector<std::string>{})
            << c.build;
        EXPECT_EQ(sys.shell.settingsOpened, c.controlPanelOpened) << c.build;
    }
}

}  // namespace
}  // namespace tzp::assoc_test
