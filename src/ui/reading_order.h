#pragma once
// The order in which the keyboard walks the window's stops.
#include <cstddef>
#include <span>
#include <vector>

namespace tzp::ui {

struct ReadingItem {
    int left, top, right, bottom;  // on the screen
    bool box;                      // a frame, picture or page: what lies inside it is its content
    bool stop;                     // the keyboard stops on it
};

// The indexes of the stops, in reading order. The stops and the boxes around them make a
// tree by what lies inside what (the smallest larger box that contains an item is its
// parent); each box is read top to bottom, then left to right, a box's content before
// what follows the box. What lies inside a frame counts as the frame's even where the
// control table puts it beside the frame.
std::vector<size_t> ReadingOrder(std::span<const ReadingItem> items);

}  // namespace tzp::ui
