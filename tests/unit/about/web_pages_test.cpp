#include "about/web_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_system.h"
#include "platform/text.h"
#include "ui/form1_controls.h"

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

// The link table as the pack's documentation lists it (control, built-in caption, caption
// string id), typed from that list rather than from the program's tables: every link has
// a fixed page, in this order, and its documented captions.
TEST_F(WebPagesTest, TheLinksAreExactlyTheDocumentedOnes) {
    struct Link {
        std::string control, builtIn, id;
    };
    const std::vector<Link> documented{
        {"Label4", "Filtres Quorel officiels", "049"},
        {"Label6", "Filtres Quorel Home Cinéma (non officiels)", "050"},
        {"Label7", "Filtres AC3 officiels", "051"},
        {"Label8", "Filtres On2 officiels (VP7)", "052"},
        {"Label9", "Filtres Norvi officiels", "053"},
        {"Label10", "Filtres FFdshow officiels et non officiels", "054"},
        {"Label11", "Filtres Radlight officiels", "055"},
        {"Label13", "Filtres Quicktime Alternative", "056"},
        {"Label14", "Filtres Real Alternative", "057"},
        {"Command8", "Visiter le site officiel du Tessaly Zivozod Pack", "014"},
    };
    std::vector<std::string> pages;
    for (const auto& page : about::FixedPages()) {
        pages.emplace_back(page.control);
    }
    const auto builtIn = ui::CreateForm1();
    std::vector<std::string> controls;
    for (const auto& link : documented) {
        controls.push_back(link.control);
        EXPECT_EQ(builtIn->Caption(link.control), link.builtIn) << link.control;
        EXPECT_EQ(sys.form->Caption(link.control), "en " + link.id) << link.control;
    }
    EXPECT_EQ(pages, controls);
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
