#include <gtest/gtest.h>

#include <utility>

#include "fakes/fake_system.h"
#include "profiles/profile_files.h"

namespace tzp::profiles {
namespace {

using platform::Answer;

// A state for each of the nineteen boxes, its lines not in the boxes' order: the preview
// finds each box's line by its id.
constexpr const char* kFilmsStates =
    "070 2\r\n001 1\r\n002 0\r\n003 2\r\n004 0\r\n005 1\r\n006 1\r\n009 0\r\n010 2\r\n"
    "011 1\r\n020 1\r\n019 1\r\n018 0\r\n017 2\r\n016 1\r\n015 0\r\n014 1\r\n013 2\r\n"
    "012 0\r\n";

struct ProfileActionsTest : ::testing::Test {
    fakes::FakeSystem sys;
    int filterClicks = 0;

    void SetUp() override {
        sys.InstallStandardPack();
        sys.files.AddFile("C:\\Pack\\Sav\\Films.sav", kFilmsStates);
        sys.files.AddFile("C:\\Pack\\Sav\\Films.reg", "REGEDIT4\r\n");
        sys.files.AddFile("C:\\Pack\\Sav\\Odd.sav", "006 1\r\n009 x\r\n010 7\r\n011\r\n012 0\r\n");
        sys.Start();
        // Stand-ins for the filter boxes' own behaviours, which a preview must not run.
        for (const auto& row : kStateRows) {
            sys.form->OnClick(row.box, [this] {
                ++filterClicks;
                sys.form->SetText("Combo1", "");
                sys.form->SetValue("ischange", 1);
            });
        }
    }

    void Pick(const std::string& name) {
        const auto& entries = sys.form->Entries("Combo1");
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].text == name) {
                sys.form->PickEntry("Combo1", i);
                return;
            }
        }
        FAIL() << "no entry " << name;
    }
};

TEST_F(ProfileActionsTest, PickingAProfileShowsItsStatesWithoutAQuestion) {
    Pick("Films");
    EXPECT_TRUE(sys.ui.questions.empty());
    const std::pair<const char*, int> shown[] = {
        {"Check1", 1},  {"Check2", 0},  {"Check3", 2},  {"Check4", 0},  {"Check5", 1},
        {"Check6", 1},  {"Check9", 0},  {"Check10", 2}, {"Check11", 1}, {"Check12", 0},
        {"Check13", 2}, {"Check14", 1}, {"Check15", 0}, {"Check16", 1}, {"Check17", 2},
        {"Check18", 0}, {"Check19", 1}, {"Check20", 1}, {"Check70", 2},
    };
    for (const auto& [box, value] : shown) {
        EXPECT_EQ(sys.form->Value(box), value) << box;
    }
    EXPECT_EQ(filterClicks, 0);
    EXPECT_EQ(sys.form->Text("Combo1"), "Films");
    EXPECT_EQ(sys.form->Value("ischange"), 0);
}

TEST_F(ProfileActionsTest, PendingChangesAreAskedAboutFirst) {
    sys.form->SetValueQuietly("Check2", 1);
    sys.form->SetValue("ischange", 1);

    sys.ui.answers = {Answer::No};
    Pick("Films");
    EXPECT_EQ(sys.ui.questions, (std::vector<std::string>{"en 045"}));
    EXPECT_EQ(sys.form->Value("Check2"), 1);
    EXPECT_EQ(sys.form->Value("Check6"), 0);
    EXPECT_EQ(sys.form->Value("ischange"), 1);
    EXPECT_EQ(sys.form->Text("Combo1"), "");

    sys.ui.answers = {Answer::Yes};
    Pick("Films");
    EXPECT_EQ(sys.form->Value("Check2"), 0);
    EXPECT_EQ(sys.form->Value("Check6"), 1);
    EXPECT_EQ(sys.form->Value("ischange"), 0);
    EXPECT_EQ(sys.form->Text("Combo1"), "Films");
    EXPECT_EQ(filterClicks, 0);
}

TEST_F(ProfileActionsTest, ValuesThatAreNoBoxStateLeaveTheBoxAsItIs) {
    for (const char* box : {"Check6", "Check9", "Check10", "Check11", "Check12", "Check70"}) {
        sys.form->SetValueQuietly(box, 1);
    }
    Pick("Odd");
    EXPECT_EQ(sys.form->Value("Check6"), 1);
    EXPECT_EQ(sys.form->Value("Check9"), 1);   // "x"
    EXPECT_EQ(sys.form->Value("Check10"), 1);  // "7"
    EXPECT_EQ(sys.form->Value("Check11"), 1);  // a line without a value
    EXPECT_EQ(sys.form->Value("Check12"), 0);
    EXPECT_EQ(sys.form->Value("Check70"), 1);  // no line at all
}

TEST_F(ProfileActionsTest, AStateFileGoneSinceTheListWasMadeIsReported) {
    sys.files.Remove("C:\\Pack\\Sav\\Films.sav").ok();
    sys.form->SetValueQuietly("Check6", 1);
    Pick("Films");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 066\nC:\\Pack\\Sav\\Films.sav"}));
    EXPECT_EQ(sys.form->Value("Check6"), 1);
    EXPECT_EQ(sys.form->Value("Check1"), 0);
    // The name goes, so that the apply does not import settings of other boxes.
    EXPECT_EQ(sys.form->Text("Combo1"), "");
}

TEST_F(ProfileActionsTest, DeletingRemovesBothFilesAndTheName) {
    sys.form->SetValueQuietly("Check6", 1);
    sys.form->SetValue("ischange", 1);
    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_EQ(sys.ui.questions, (std::vector<std::string>{"en 044"}));
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Films.sav"));
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Films.reg"));
    ASSERT_EQ(sys.form->Entries("Combo1").size(), 1u);
    EXPECT_EQ(sys.form->Entries("Combo1")[0].text, "Odd");
    EXPECT_EQ(sys.form->Text("Combo1"), "");
    EXPECT_EQ(sys.form->Value("Check6"), 1);
    EXPECT_EQ(sys.form->Value("ischange"), 1);
}

TEST_F(ProfileActionsTest, DeletingNeedsANameAndAYes) {
    sys.form->Click("Command1");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 038"}));
    EXPECT_TRUE(sys.ui.questions.empty());

    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::No};
    sys.form->Click("Command1");
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Sav\\Films.sav"));
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Sav\\Films.reg"));
    EXPECT_EQ(sys.form->Text("Combo1"), "Films");

    sys.files.AddFile("C:\\Pack\\Langs\\x.reg", "REGEDIT4\r\n");
    sys.form->SetText("Combo1", "..\\Langs\\x");
    sys.form->Click("Command1");
    EXPECT_EQ(sys.ui.messages.back(), "en 065");
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Langs\\x.reg"));
}

TEST_F(ProfileActionsTest, DeletingAProfileWithAFileMissingRemovesWhatIsLeft) {
    sys.files.Remove("C:\\Pack\\Sav\\Films.reg").ok();
    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Films.sav"));

    // A registry file without its state file (not listed, typed by hand).
    sys.files.AddFile("C:\\Pack\\Sav\\Lost.reg", "REGEDIT4\r\n");
    sys.form->SetText("Combo1", "Lost");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Lost.reg"));

    // Nothing of that name at all.
    sys.form->SetText("Combo1", "Nothing");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_EQ(sys.ui.messages, (std::vector<std::string>{"en 066\nC:\\Pack\\Sav\\Nothing.sav"}));
}

TEST_F(ProfileActionsTest, AFileThatCannotBeDeletedKeepsTheProfileWhole) {
    sys.files.DenyWrites("C:\\Pack\\Sav\\Films.sav");
    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{"en 069\nC:\\Pack\\Sav\\Films.sav: error 5"}));
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Sav\\Films.reg"));
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Sav\\Films.sav"));
    EXPECT_EQ(sys.form->Entries("Combo1").size(), 2u);
}

// The state file lists the profile, so it goes first: a delete stopped after one removal
// leaves no listed profile without its settings, and the next delete of the name ends it.
TEST_F(ProfileActionsTest, AnInterruptedDeleteNeverListsAProfileWithoutItsSettings) {
    sys.files.RefuseStep(sys.files.steps + 2);
    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Films.sav"));
    EXPECT_TRUE(sys.files.FileExists("C:\\Pack\\Sav\\Films.reg"));
    EXPECT_EQ(sys.ui.messages,
              (std::vector<std::string>{"en 069\nC:\\Pack\\Sav\\Films.reg: error 5"}));
    ASSERT_EQ(sys.form->Entries("Combo1").size(), 1u);
    EXPECT_EQ(sys.form->Entries("Combo1")[0].text, "Odd");

    sys.ui.messages.clear();
    sys.form->SetText("Combo1", "Films");
    sys.ui.answers = {Answer::Yes};
    sys.form->Click("Command1");
    EXPECT_TRUE(sys.ui.messages.empty());
    EXPECT_FALSE(sys.files.FileExists("C:\\Pack\\Sav\\Films.reg"));
}

TEST_F(ProfileActionsTest, TheListHoldsOnlyRealProfileFiles) {
    sys.files.AddFile("C:\\Pack\\Sav\\a.b.sav", "");
    sys.files.AddFile("C:\\Pack\\Sav\\notes.txt", "");
    sys.files.AddFile("C:\\Pack\\Sav\\.sav", "");
    RefreshProfileList(sys.app);
    std::vector<std::string> names;
    for (const auto& entry : sys.form->Entries("Combo1")) {
        names.push_back(entry.text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a.b", "Films", "Odd"}));
}

}  // namespace
}  // namespace tzp::profiles
