#include <gtest/gtest.h>

#include <map>

#include "fakes/fake_system.h"
#include "ui/form1_controls.h"

namespace tzp {
namespace {

using Positions = std::map<std::string, std::pair<int, int>>;

Positions Snapshot(const ui::Form& form) {
    Positions positions;
    for (const auto& control : form.Controls()) {
        positions[control->name] = {control->left, control->top};
    }
    return positions;
}

struct TabsTest : ::testing::Test {
    fakes::FakeSystem sys;
    void SetUp() override {
        sys.InstallStandardPack();
        sys.Start();
    }
};

TEST_F(TabsTest, TheFiltersPageLooksExactlyLikeTheDesignLayout) {
    fakes::FakeSystem fresh;
    const Positions design = Snapshot(*fresh.form);
    const Positions now = Snapshot(*sys.form);
    // The client area ends with the bottom bar, at 8020 twips; the title bar takes
    // the rest of the window's outer height.
    auto inSight = [](const std::pair<int, int>& at) {
        return at.first < ui::kFormWidth && at.second < 8020;
    };
    for (const auto& control : sys.form->Controls()) {
        if (!control->parent.empty()) {
            continue;
        }
        const auto& was = design.at(control->name);
        const auto& is = now.at(control->name);
        EXPECT_EQ(inSight(was), inSight(is)) << control->name;
        if (inSight(was)) {
            EXPECT_EQ(was, is) << control->name;
        }
    }
}

TEST_F(TabsTest, TheAssociationsPageMovesItsControlsInAndTheOthersOut) {
    sys.form->SelectTab("TabStrip1", 2);
    const auto& f = *sys.form;
    EXPECT_EQ(f.Get("assocframe").left, 240);
    EXPECT_EQ(f.Get("assocframe").top, 480);
    EXPECT_EQ(f.Get("filtersframe").left, ui::kPark);
    EXPECT_EQ(f.Get("Frame8").left, 460);
    EXPECT_EQ(f.Get("Frame11").left, 5260);
    EXPECT_EQ(f.Get("Frame10").top, 4920);
    EXPECT_EQ(f.Get("Command4").top, 5160);
    EXPECT_EQ(f.Get("Command4").left, 480);
    EXPECT_EQ(f.Get("Command6").top, 7460);
    EXPECT_EQ(f.Get("Combo1").top, ui::kPark);
    EXPECT_EQ(f.Get("Combo1").left, 240);
    // The player box moves sideways only.
    EXPECT_EQ(f.Get("Frame13").left, ui::kPark);
    EXPECT_EQ(f.Get("Frame13").top, 5500);
}

TEST_F(TabsTest, TheAboutPageShowsItsButtons) {
    sys.form->SelectTab("TabStrip1", 3);
    EXPECT_EQ(sys.form->Get("aboutframe").left, 240);
    EXPECT_EQ(sys.form->Get("Command8").top, 840);
    EXPECT_EQ(sys.form->Get("Command9").top, 1320);
    EXPECT_EQ(sys.form->Get("Command10").top, 7460);
    EXPECT_EQ(sys.form->Get("Command6").top, ui::kPark);
}

TEST_F(TabsTest, GoingBackRestoresTheFiltersPageExactly) {
    const Positions filters = Snapshot(*sys.form);
    sys.form->SelectTab("TabStrip1", 2);
    sys.form->SelectTab("TabStrip1", 3);
    sys.form->SelectTab("TabStrip1", 1);
    EXPECT_EQ(Snapshot(*sys.form), filters);
}

TEST_F(TabsTest, NeverMovesTheBottomBarTheWaitPanelOrTheHiddenControls) {
    const Positions before = Snapshot(*sys.form);
    for (int tab : {2, 3, 1, 3}) {
        sys.form->SelectTab("TabStrip1", tab);
        for (const char* name : {"TabStrip1", "Frame2", "wf", "langg", "ischange", "tt", "Check14",
                                 "Picture1", "Picture11", "File1", "Frame4"}) {
            EXPECT_EQ(Snapshot(*sys.form)[name], before.at(name)) << name << " tab " << tab;
        }
    }
    EXPECT_EQ(sys.form->Value("ischange"), 0);
}

TEST_F(TabsTest, ClosingWithoutPendingChangesAsksNothing) {
    EXPECT_TRUE(sys.form->RequestClose());
    EXPECT_TRUE(sys.ui.questions.empty());
}

TEST_F(TabsTest, ClosingWithPendingChangesAsksAndNoKeepsTheWindow) {
    sys.form->SetValue("ischange", 1);
    sys.ui.answers = {platform::Answer::No};
    EXPECT_FALSE(sys.form->RequestClose());
    ASSERT_EQ(sys.ui.questions.size(), 1u);
    EXPECT_EQ(sys.ui.questions[0], "en 037");
    EXPECT_EQ(sys.form->Value("ischange"), 1);
    EXPECT_FALSE(sys.ui.ended);
}

TEST_F(TabsTest, YesEndsTheProgramAtOnce) {
    sys.form->SetValue("ischange", 1);
    sys.ui.answers = {platform::Answer::Yes};
    EXPECT_TRUE(sys.form->RequestClose());
    EXPECT_TRUE(sys.ui.ended);
}

TEST_F(TabsTest, NoAnswerAtAllLetsTheWindowClose) {
    sys.form->SetValue("ischange", 1);
    EXPECT_TRUE(sys.form->RequestClose());
    EXPECT_FALSE(sys.ui.ended);
}

TEST_F(TabsTest, TheQuestionIsAskedEvenWithItsTextMissing) {
    sys.files.AddFile("C:\\Pack\\Langs\\en.ini", "001=x\r\n");
    sys.form->SetValue("ischange", 1);
    sys.ui.answers = {platform::Answer::No};
    EXPECT_FALSE(sys.form->RequestClose());
    EXPECT_EQ(sys.ui.questions.at(0), "");
}

}  // namespace
}  // namespace tzp
