#include "shell/tabs.h"

#include <array>

#include "ui/control_names.h"
#include "ui/form1_controls.h"

namespace tzp::shell {

namespace {

enum class Moves { LeftAndTop, TopOnly, LeftOnly };

struct PagePlacement {
    const char* control;
    Moves moves;
    // Left (or the single coordinate) and Top for tabs 1, 2 and 3.
    std::array<std::array<int, 2>, 3> place;
};

constexpr int P = ui::kPark;

constexpr auto kPlacements = std::to_array<PagePlacement>({
    {"filtersframe", Moves::LeftAndTop, {{{240, 480}, {P, P}, {P, P}}}},
    {"assocframe", Moves::LeftAndTop, {{{P, P}, {240, 480}, {P, P}}}},
    {"aboutframe", Moves::LeftAndTop, {{{P, P}, {P, P}, {240, 480}}}},
    {"Frame6", Moves::LeftAndTop, {{{360, 720}, {P, P}, {P, P}}}},
    {"Frame5", Moves::LeftAndTop, {{{4440, 720}, {P, P}, {P, P}}}},
    {"Frame7", Moves::LeftAndTop, {{{360, 6240}, {P, P}, {P, P}}}},
    {"Frame8", Moves::LeftAndTop, {{{P, P}, {460, 720}, {P, P}}}},
    {"Frame9", Moves::LeftAndTop, {{{P, P}, {2860, 720}, {P, P}}}},
    {"Frame11", Moves::LeftAndTop, {{{P, P}, {5260, 720}, {P, P}}}},
    {"Frame10", Moves::LeftAndTop, {{{P, P}, {360, 4920}, {P, P}}}},
    {"Frame13", Moves::LeftOnly, {{{4440, 0}, {P, 0}, {P, 0}}}},
    {ui::kProfileBox, Moves::TopOnly, {{{7520, 0}, {P, 0}, {P, 0}}}},
    {"Command1", Moves::TopOnly, {{{7520, 0}, {P, 0}, {P, 0}}}},
    {"Command2", Moves::TopOnly, {{{7520, 0}, {P, 0}, {P, 0}}}},
    {"Command3", Moves::TopOnly, {{{7520, 0}, {P, 0}, {P, 0}}}},
    {"Command4", Moves::TopOnly, {{{P, 0}, {5160, 0}, {P, 0}}}},
    {"Command5", Moves::TopOnly, {{{P, 0}, {5520, 0}, {P, 0}}}},
    {"Command7", Moves::TopOnly, {{{P, 0}, {6240, 0}, {P, 0}}}},
    {"Command6", Moves::TopOnly, {{{P, 0}, {7460, 0}, {P, 0}}}},
    {"Command8", Moves::TopOnly, {{{P, 0}, {P, 0}, {840, 0}}}},
    {"Command9", Moves::TopOnly, {{{P, 0}, {P, 0}, {1320, 0}}}},
    {"Command10", Moves::TopOnly, {{{P, 0}, {P, 0}, {7460, 0}}}},
});

}  // namespace

void ShowSelectedTab(App& app) {
    const int tab = app.form.Value(ui::kTabs);
    if (tab < 1 || tab > 3) {
        return;
    }
    for (const auto& placement : kPlacements) {
        const auto& at = placement.place[static_cast<size_t>(tab - 1)];
        switch (placement.moves) {
            case Moves::LeftAndTop:
                app.form.Move(placement.control, at[0], at[1]);
                break;
            case Moves::TopOnly:
                app.form.SetTop(placement.control, at[0]);
                break;
            case Moves::LeftOnly:
                app.form.SetLeft(placement.control, at[0]);
                break;
        }
    }
}

void WireTabs(App& app) {
    app.form.OnClick(ui::kTabs, [&app] { ShowSelectedTab(app); });
}

}  // namespace tzp::shell
