#include <gtest/gtest.h>

#include <set>

#include "ui/control_ids.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp::ui {
namespace {

TEST(Form, SettingACheckBoxRunsItsBehaviourOnlyWhenTheValueChanges) {
    auto form = CreateForm1();
    int clicks = 0;
    form->OnClick("Check6", [&] { ++clicks; });
    form->SetValue("Check6", 0);
    EXPECT_EQ(clicks, 0);
    form->SetValue("Check6", 1);
    form->SetValue("Check6", 1);
    EXPECT_EQ(clicks, 1);
    form->SetValue("Check6", 2);
    EXPECT_EQ(clicks, 2);
    form->SetValueQuietly("Check6", 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form->Value("Check6"), 0);
}

TEST(Form, AUserClickTicksUntickedAndGreyedBoxesAndUnticksTickedOnes) {
    auto form = CreateForm1();
    form->UserToggle("Check9");
    EXPECT_EQ(form->Value("Check9"), 1);
    form->UserToggle("Check9");
    EXPECT_EQ(form->Value("Check9"), 0);
    form->SetValueQuietly("Check9", 2);
    form->UserToggle("Check9");
    EXPECT_EQ(form->Value("Check9"), 1);
}

TEST(Form, PickingAComboEntrySetsTheTextThenRunsTheClick) {
    auto form = CreateForm1();
    form->AddEntry("Combo1", "alpha");
    form->AddEntry("Combo1", "beta");
    std::string seen;
    form->OnClick("Combo1", [&] { seen = form->Text("Combo1"); });
    form->PickEntry("Combo1", 1);
    EXPECT_EQ(seen, "beta");
    form->ClearEntries("Combo1");
    EXPECT_EQ(form->Text("Combo1"), "");
}

TEST(Form, ANestedBehaviourMayReplaceHandlers) {
    auto form = CreateForm1();
    int outer = 0;
    form->OnClick("Command1", [&] {
        ++outer;
        form->OnClick("Command1", [] {});
    });
    form->Click("Command1");
    form->Click("Command1");
    EXPECT_EQ(outer, 1);
}

TEST(Form1, HoldsEveryNamedControlOnceWithAParentThatExists) {
    auto form = CreateForm1();
    std::set<std::string> seen;
    for (const auto& control : form->Controls()) {
        EXPECT_TRUE(seen.insert(control->name).second) << control->name;
        if (!control->parent.empty()) {
            EXPECT_TRUE(seen.count(control->parent)) << control->name << " before its parent";
        }
    }
    for (int n : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 70}) {
        EXPECT_TRUE(form->Has("Check" + std::to_string(n))) << n;
    }
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(form->Has("Command" + std::to_string(n))) << n;
    }
    for (const char* name : {"filtersframe", "assocframe", "aboutframe", "filterpath", "langg",
                             "errr", "asss", "ischange", "tt", "wf", "File1", "TabStrip1", "List1",
                             "List2", "List3", "Text1", "Text2", "Text3", "Combo1"}) {
        EXPECT_TRUE(form->Has(name)) << name;
    }
}

TEST(Form1, HiddenStateControlsLieOutsideTheWindow) {
    auto form = CreateForm1();
    for (const char* name : {"langg", "errr", "Frame4", "ischange", "Frame12", "File1", "Check14",
                             "Picture11", "Picture1", "wf"}) {
        EXPECT_GE(form->Get(name).left, kFormWidth) << name;
    }
    EXPECT_EQ(form->Get("wf").width, 7695);
    EXPECT_EQ(form->Get("wf").height, 8055);
}

TEST(Form1, OnlyControlsInsideTheWindowAndNotUnderTheWaitPanelAreSeen) {
    auto form = CreateForm1();
    for (const char* name : {"TabStrip1", "Check6", "Picture7", "Combo1", "Command3", "Label16"}) {
        EXPECT_TRUE(form->Seen(name)) << name;
    }
    // Hidden state, a parked page and what they hold, the parked wait panel.
    for (const char* name : {"ischange", "langg", "Check14", "Check70", "Picture22", "List1",
                             "Text1", "Command10", "Label4", "wf", "Label2"}) {
        EXPECT_FALSE(form->Seen(name)) << name;
    }
    form->Move("Frame6", 7900, 720);  // mostly out: the part still in the window is seen
    EXPECT_TRUE(form->Seen("Frame6"));
    EXPECT_FALSE(form->Seen("Check6"));
    EXPECT_FALSE(form->Busy());
    form->Move("wf", 120, 0);
    EXPECT_TRUE(form->Busy());
    EXPECT_TRUE(form->Seen("Label2"));
    EXPECT_FALSE(form->Seen("Command3"));
}

TEST(Form1, WhileTheWaitPanelShowsEveryUserCommandIsRefusedAndNoneAfter) {
    auto form = CreateForm1();
    form->AddEntry("Combo1", "alpha");
    form->AddEntry("List1", ".avi");
    int runs = 0;
    for (const char* name : {"Command2", "Check6", "Combo1", "TabStrip1"}) {
        form->OnClick(name, [&] { ++runs; });
    }
    int asked = 0;
    form->OnClose([&](bool&) { ++asked; });
    const auto everyCommand = [&] {
        return form->Click("Command2") + form->UserToggle("Check6") + form->PickEntry("Combo1", 0) +
               form->SelectTab("TabStrip1", 2) + form->UserEdit("Text1", ".mkv") +
               form->UserTick("List1", 0, true) + form->RequestClose();
    };
    for (const int top : {0, 7000}) {  // over the whole window, or only its lower part
        form->Move("wf", 0, top);
        EXPECT_EQ(everyCommand(), 0);
        EXPECT_EQ(runs, 0);
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(form->Value("Check6"), 0);
        EXPECT_EQ(form->Text("Text1"), "");
        EXPECT_FALSE(form->Entries("List1")[0].ticked);
    }
    // Code keeps working meanwhile: a long action sets values and runs their behaviours.
    form->SetValue("Check6", 1);
    EXPECT_EQ(runs, 1);
    form->Move("wf", kPark, kPark);
    EXPECT_EQ(everyCommand(), 7);
    EXPECT_EQ(runs, 5);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form->Value("TabStrip1"), 2);
}

TEST(ControlIds, FollowTheNames) {
    EXPECT_EQ(ControlId("Check1"), 1001);
    EXPECT_EQ(ControlId("Check70"), 1070);
    EXPECT_EQ(ControlId("Command10"), 1110);
    EXPECT_EQ(ControlId("List3"), 1203);
    EXPECT_EQ(ControlId("Text1"), 1301);
    EXPECT_EQ(ControlId("Combo1"), 1401);
    EXPECT_EQ(ControlId("Picture29"), 1529);
    EXPECT_EQ(ControlId("Label555"), 2555);
    EXPECT_EQ(ControlId("Frame13"), 3013);
    EXPECT_EQ(ControlId("TabStrip1"), 3101);
    EXPECT_EQ(ControlId("filtersframe"), 3201);
    EXPECT_EQ(ControlId("ischange"), 3208);
    EXPECT_EQ(ControlId("File1"), 3211);
    EXPECT_FALSE(ControlId("Check71"));
    EXPECT_FALSE(ControlId("Check0"));
    EXPECT_FALSE(ControlId("Check01"));
    EXPECT_FALSE(ControlId("Combo2"));
}

TEST(ControlIds, EveryControlOfTheWindowHasAUniqueId) {
    auto form = CreateForm1();
    std::set<int> ids;
    for (const auto& control : form->Controls()) {
        const auto id = ControlId(control->name);
        ASSERT_TRUE(id) << control->name;
        EXPECT_TRUE(ids.insert(*id).second) << control->name;
    }
}

}  // namespace
}  // namespace tzp::ui
