#include "about/web_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_system.h"
#include "platform/text.h"

namespace tzp {
namespace {

struct WebPagesTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override {
        sys.InstallStandardPack();
        sys.Start();
        sys.form->SelectTab("TabStrip1", 3);
    }
};

TEST_F(WebPagesTest, EachLinkLabelAndThePackButtonOpensItsOwnPageAndNothingElse) {
    const std::vector<std::string> controls{"Label4",  "Label6",  "Label7",  "Label8",  "Label9",
                                            "Label10", "Label11", "Label13", "Label14", "Command8"};
    std::set<std::string> addresses;
    for (const auto& control : controls) {
        sys.shell.opened.clear();
        sys.form->Click(control);
        ASSERT_EQ(sys.shell.opened.size(), 1u) << control;
        EXPECT_EQ(sys.shell.opened[0].rfind("http", 0), 0u) << control;
        addresses.insert(sys.shell.opened[0]);
    }
    EXPECT_EQ(addresses.size(), controls.size());
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_TRUE(sys.processes.started.empty());
}

TEST_F(WebPagesTest, TheTextLabelsOpenNothing) {
    for (const char* control : {"Label3", "Label12", "Label15", "Label17"}) {
        sys.form->Click(control);
    }
    EXPECT_TRUE(sys.shell.opened.empty());
}

TEST_F(WebPagesTest, PagesThePackagerSetsArePlaceholdersAndNoAddressNamesTheirProducts) {
    for (const auto& page : about::FixedPages()) {
        const std::string address = platform::AsciiLower(page.address);
        if (page.packagerSets) {
            EXPECT_EQ(address.rfind("https://example.org/", 0), 0u) << page.control;
        }
        for (const char* name : {"tessaly", "zivozod", "quorel", "norvi"}) {
            EXPECT_EQ(address.find(name), std::string::npos) << page.control;
        }
    }
}

TEST_F(WebPagesTest, TheDonationPageFollowsTheLanguageFile) {
    sys.form->Click("Command10");
    sys.form->SetText("langg", "fr");
    sys.form->Click("Command10");
    EXPECT_EQ(sys.shell.opened, (std::vector<std::string>{"en 999", "fr 999"}));
}

TEST_F(WebPagesTest, ALanguageWithoutADonationPageOpensNothing) {
    sys.files.AddFile("C:\\Pack\\Langs\\de.ini", "000=x\r\n");
    sys.form->SetText("langg", "de");
    sys.form->Click("Command10");
    EXPECT_TRUE(sys.shell.opened.empty());
    EXPECT_TRUE(sys.ui.messages.empty());
}

}  // namespace
}  // namespace tzp
