#include <gtest/gtest.h>

#include <set>
#include <string>

#include "filters/catalogue.h"
#include "ui/form.h"
#include "ui/form1_controls.h"

namespace tzp::filters {
namespace {

TEST(FilterCatalogue, HasOneRowPerFilterBoxWithItsProfileId) {
    const auto form = ui::CreateForm1();
    std::set<std::string> boxes;
    for (const auto& row : Catalogue()) {
        EXPECT_TRUE(form->Has(row.box)) << row.box;
        EXPECT_TRUE(boxes.insert(std::string(row.box)).second) << row.box;
        // The profile id is the box's number on three digits.
        const std::string number(row.box.substr(5));
        EXPECT_EQ(std::stoi(std::string(row.profileId)), std::stoi(number)) << row.box;
        EXPECT_EQ(row.profileId.size(), 3u);
    }
    EXPECT_EQ(boxes.size(), 19u);
}

TEST(FilterCatalogue, ReadsSixtyTwoClassesOfWellFormedIds) {
    EXPECT_EQ(CountClsids(), 62u);
    std::set<std::string> seen;
    for (const auto& row : Catalogue()) {
        for (const auto clsid : row.clsids) {
            ASSERT_EQ(clsid.size(), 36u) << clsid;
            for (size_t i : {8u, 13u, 18u, 23u}) {
                EXPECT_EQ(clsid[i], '-') << clsid;
            }
            EXPECT_TRUE(seen.insert(std::string(clsid)).second) << clsid;
        }
    }
    EXPECT_EQ(Row("Check6").clsids.size(), 21u);
    EXPECT_EQ(Row("Check6").clsids.front(), "007FC171-01AA-4B3A-B2DB-062DEE815A1E");
    EXPECT_EQ(Row("Check2").clsids.size(), 3u);
    EXPECT_EQ(Row("Check10").clsids.back(), "F544E0F5-CA3C-47EA-A64D-35FCF1602396");
    EXPECT_TRUE(Row("Check13").clsids.empty());
    EXPECT_TRUE(Row("Check14").clsids.empty());
}

TEST(FilterCatalogue, EveryOrderNamesRowsWithALibrary) {
    std::set<std::string> detected;
    for (const auto box : DetectionOrder()) {
        EXPECT_FALSE(Row(box).clsids.empty()) << box;
        detected.insert(std::string(box));
    }
    EXPECT_EQ(detected.size(), 17u);  // every row but the splitter master and Check14

    // The pass touches every library once: twelve rows, the master and five members.
    std::set<std::string> libraries;
    for (const auto box : RegistrationOrder()) {
        libraries.insert(std::string(Row(box).library));
    }
    for (const auto box : SplitterRegisterOrder()) {
        libraries.insert(std::string(Row(box).library));
    }
    EXPECT_EQ(libraries.size(), 18u);
    EXPECT_EQ(std::set<std::string_view>(SplitterUnregisterOrder().begin(),
                                         SplitterUnregisterOrder().end()),
              std::set<std::string_view>(SplitterMembers().begin(), SplitterMembers().end()));
}

}  // namespace
}  // namespace tzp::filters
