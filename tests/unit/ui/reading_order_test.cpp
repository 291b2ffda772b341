#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/reading_order.h"

namespace tzp::ui {
namespace {

ReadingItem Stop(int left, int top, int right, int bottom) {
    return {left, top, right, bottom, false, true};
}
ReadingItem Box(int left, int top, int right, int bottom) {
    return {left, top, right, bottom, true, false};
}

struct Case {
    std::string what;
    std::vector<ReadingItem> items;
    std::vector<size_t> order;
};

TEST(ReadingOrder, WalksTheStopsBoxByBoxTopToBottomThenLeftToRight) {
    const std::vector<Case> cases = {
        {"one row after the other, each left to right",
         {Stop(100, 50, 150, 60), Stop(10, 50, 60, 60), Stop(10, 10, 60, 20)},
         {2, 1, 0}},
        {"a frame's content comes before a stop beside the frame that lies higher",
         {Box(0, 0, 100, 200), Stop(10, 150, 90, 160), Stop(200, 20, 250, 30)},
         {1, 2}},
        {"the smallest box around a stop holds it; the larger one reads the box in its place",
         {Box(0, 0, 300, 300), Box(10, 100, 290, 200), Stop(200, 190, 280, 195),
          Stop(5, 150, 9, 160), Stop(20, 50, 40, 60)},
         {4, 2, 3}},
        {"a page that is a stop itself comes before what it holds",
         {Stop(50, 50, 60, 60), {0, 0, 300, 300, true, true}},
         {1, 0}},
        {"what is neither a stop nor a box is not walked",
         {{0, 0, 10, 10, false, false}, Stop(20, 20, 30, 30)},
         {1}},
        {"a stop in a box that sits lower comes after every stop of the rows above the box",
         {Stop(10, 10, 20, 20), Box(0, 40, 100, 100), Stop(10, 50, 20, 60), Stop(200, 30, 210, 35)},
         {0, 3, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadingOrder(c.items), c.order) << c.what;
    }
}

}  // namespace
}  // namespace tzp::ui
