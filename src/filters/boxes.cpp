#include "filters/boxes.h"

#include "filters/catalogue.h"
#include "ui/control_names.h"

namespace tzp::filters {

namespace {

void OnSimpleBox(App& app) {
    app.form.SetValue(ui::kUnsavedChanges, 1);
    app.form.SetText(ui::kProfileBox, "");
}

bool AnyMemberOn(const App& app) {
    for (const auto member : SplitterMembers()) {
        if (app.form.Value(member) != 0) {
            return true;
        }
    }
    return false;
}

// A member does not mark changes itself: the master does, when its value changes.
void OnSplitterMember(App& app) {
    auto& form = app.form;
    form.SetText(ui::kProfileBox, "");
    if (AnyMemberOn(app)) {
        // `tt` tells the master that a member ticks it, so it leaves the others alone.
        form.SetValue(ui::kMemberTicksMaster, 1);
        form.SetValue(kSplitterMaster, 1);
        form.SetValue(ui::kMemberTicksMaster, 0);
    } else {
        form.SetValue(kSplitterMaster, 0);
    }
}

void OnSplitterMaster(App& app) {
    auto& form = app.form;
    form.SetText(ui::kProfileBox, "");
    form.SetValue(ui::kUnsavedChanges, 1);
    // Decided once: the members' own behaviours may change the master meanwhile.
    if (form.Value(kSplitterMaster) == 0) {
        for (const auto member : SplitterMembers()) {
            form.SetValue(member, 0);
        }
    } else if (form.Value(ui::kMemberTicksMaster) == 0) {
        for (const auto member : SplitterMembers()) {
            form.SetValue(member, 1);
        }
    }
}

}  // namespace

void WireFilterBoxes(App& app) {
    for (const auto& row : Catalogue()) {
        if (row.box == kSplitterMaster) {
            app.form.OnClick(row.box, [&app] { OnSplitterMaster(app); });
        } else if (row.area == PageArea::SplitterMember) {
            app.form.OnClick(row.box, [&app] { OnSplitterMember(app); });
        } else {
            app.form.OnClick(row.box, [&app] { OnSimpleBox(app); });
        }
    }
}

}  // namespace tzp::filters
