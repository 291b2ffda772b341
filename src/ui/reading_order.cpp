#include "ui/reading_order.h"

#include <algorithm>
#include <numeric>

namespace tzp::ui {

namespace {

bool Contains(const ReadingItem& outer, const ReadingItem& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

long long Area(const ReadingItem& item) {
    return static_cast<long long>(item.right - item.left) * (item.bottom - item.top);
}

// Each item's parent: the smallest box larger than it that contains it; -1 for none.
std::vector<int> Parents(std::span<const ReadingItem> items) {
    std::vector<int> parents(items.size(), -1);
    for (size_t i = 0; i < items.size(); ++i) {
        for (size_t j = 0; j < items.size(); ++j) {
            const ReadingItem& outer = items[j];
            if (!outer.box || Area(outer) <= Area(items[i]) || !Contains(outer, items[i])) {
                continue;
            }
            const int best = parents[i];
            if (best < 0 || Area(outer) < Area(items[static_cast<size_t>(best)])) {
                parents[i] = static_cast<int>(j);
            }
        }
    }
    return parents;
}

}  // namespace

std::vector<size_t> ReadingOrder(std::span<const ReadingItem> items) {
    const std::vector<int> parents = Parents(items);
    std::vector<size_t> byPlace(items.size());
    std::iota(byPlace.begin(), byPlace.end(), size_t{0});
    std::stable_sort(byPlace.begin(), byPlace.end(), [&](size_t a, size_t b) {
        return items[a].top != items[b].top ? items[a].top < items[b].top
                                            : items[a].left < items[b].left;
    });
    std::vector<size_t> stops;
    const auto visit = [&](const auto& self, int parent) -> void {
        for (const size_t i : byPlace) {
            if (parents[i] != parent) {
                continue;
            }
            if (items[i].stop) {
                stops.push_back(i);
            }
            if (items[i].box) {
                self(self, static_cast<int>(i));
            }
        }
    };
    visit(visit, -1);
    return stops;
}

}  // namespace tzp::ui
