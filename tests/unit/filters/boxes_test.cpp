#include <gtest/gtest.h>

#include "filter_pack.h"

namespace tzp {
namespace {

struct FilterBoxesTest : testing::FilterPackTest {
    void SetUp() override {
        FilterPackTest::SetUp();
        form().SetText("Combo1", "Home");
    }
    // The splitter boxes as "master members": "1 01000" is the master and Check2 ticked.
    std::string Group() {
        std::string state = std::to_string(form().Value("Check13")) + " ";
        for (const auto member : filters::SplitterMembers()) {
            state += std::to_string(form().Value(member));
        }
        return state;
    }
    // Sets the group without running any behaviour, as a profile would.
    void SetGroup(const std::string& state) {
        form().SetValueQuietly("Check13", state[0] - '0');
        size_t i = 2;
        for (const auto member : filters::SplitterMembers()) {
            form().SetValueQuietly(member, state[i++] - '0');
        }
    }
};

TEST_F(FilterBoxesTest, ASimpleBoxMarksAChangeAndForgetsTheProfileName) {
    for (const char* box :
         {"Check6", "Check9", "Check10", "Check11", "Check12", "Check14", "Check15", "Check16",
          "Check17", "Check18", "Check19", "Check20", "Check70"}) {
        form().SetValue("ischange", 0);
        form().SetText("Combo1", "Home");
        form().UserToggle(box);
        EXPECT_EQ(form().Value(box), 1) << box;
        EXPECT_EQ(form().Value("ischange"), 1) << box;
        EXPECT_EQ(form().Text("Combo1"), "") << box;
        form().SetValue("ischange", 0);
        form().UserToggle(box);
        EXPECT_EQ(form().Value("ischange"), 1) << box;
    }
    EXPECT_EQ(Group(), "0 00000");
}

TEST_F(FilterBoxesTest, TickingTheMasterTicksEveryMember) {
    SetGroup("0 00100");
    form().UserToggle("Check13");
    EXPECT_EQ(Group(), "1 11111");
    EXPECT_EQ(form().Value("ischange"), 1);
    EXPECT_EQ(form().Value("tt"), 0);
    EXPECT_EQ(form().Text("Combo1"), "");
}

TEST_F(FilterBoxesTest, UntickingTheMasterUnticksEveryMember) {
    SetGroup("1 11011");
    form().UserToggle("Check13");
    EXPECT_EQ(Group(), "0 00000");
    EXPECT_EQ(form().Value("ischange"), 1);
    EXPECT_EQ(form().Value("tt"), 0);
}

TEST_F(FilterBoxesTest, TickingAMemberUnderAnUntickedMasterTicksTheMasterOnly) {
    form().UserToggle("Check4");
    EXPECT_EQ(Group(), "1 00010");
    EXPECT_EQ(form().Value("ischange"), 1);
    EXPECT_EQ(form().Value("tt"), 0);
    EXPECT_EQ(form().Text("Combo1"), "");
}

TEST_F(FilterBoxesTest, MemberChangesWhileAnotherStaysTickedLeaveTheFlagAlone) {
    SetGroup("1 01000");
    form().UserToggle("Check5");
    EXPECT_EQ(Group(), "1 01001");
    EXPECT_EQ(form().Value("ischange"), 0);
    EXPECT_EQ(form().Text("Combo1"), "");

    form().UserToggle("Check2");
    EXPECT_EQ(Group(), "1 00001");
    EXPECT_EQ(form().Value("ischange"), 0);
}

TEST_F(FilterBoxesTest, UntickingTheLastMemberUnticksTheMaster) {
    SetGroup("1 00100");
    form().UserToggle("Check3");
    EXPECT_EQ(Group(), "0 00000");
    EXPECT_EQ(form().Value("ischange"), 1);
}

TEST_F(FilterBoxesTest, AGreyedMemberCountsAsOn) {
    SetGroup("0 00000");
    form().SetValue("Check1", 2);
    EXPECT_EQ(Group(), "1 20000");
    form().SetValue("Check1", 0);
    EXPECT_EQ(Group(), "0 00000");
}

}  // namespace
}  // namespace tzp
