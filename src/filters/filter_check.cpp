#include "filters/filter_check.h"

#include <algorithm>

#include "filters/catalogue.h"
#include "filters/registration.h"

namespace tzp::filters {

RowRegistration RegistrationOf(const std::vector<RowRegistration>& registrations,
                               std::string_view box) {
    if (box == kSplitterMaster) {
        RowRegistration master;
        master.box = kSplitterMaster;
        const auto members = SplitterMembers();
        const bool ticked = std::any_of(members.begin(), members.end(), [&](std::string_view m) {
            return RegistrationOf(registrations, m).classesHere > 0;
        });
        master.state = ticked ? RegistrationState::ThisCopy : RegistrationState::NotRegistered;
        return master;
    }
    const auto found =
        std::find_if(registrations.begin(), registrations.end(),
                     [&](const RowRegistration& registration) { return registration.box == box; });
    if (found != registrations.end()) {
        return *found;
    }
    RowRegistration none;
    none.box = box;
    return none;
}

bool Matches(bool wantRegistered, const RowRegistration& found) {
    if (wantRegistered) {
        return found.state == RegistrationState::ThisCopy;
    }
    return found.state == RegistrationState::NotRegistered ||
           found.state == RegistrationState::OtherCopy;
}

std::vector<FilterDifference> CompareFilterStates(
    const ui::Form& form, const std::vector<RowRegistration>& registrations) {
    const auto plan = PassPlan(form);
    // With the master on and every member off, the pass registers the master's library
    // alone, which no detection sees: the master then stands as unregistered.
    const bool anyMember = std::any_of(plan.begin(), plan.end(), [](const PlannedRun& run) {
        const auto members = SplitterMembers();
        return run.mode.empty() &&
               std::find(members.begin(), members.end(), run.box) != members.end();
    });
    std::vector<FilterDifference> differences;
    for (const auto& run : plan) {
        const bool want = run.mode.empty() && (run.box != kSplitterMaster || anyMember);
        const RowRegistration found = RegistrationOf(registrations, run.box);
        if (!Matches(want, found)) {
            differences.push_back({run.box, want, found});
        }
    }
    return differences;
}

bool SameRegistration(const RowRegistration& a, const RowRegistration& b) {
    return a.state == b.state && a.classesHere == b.classesHere && a.registeredTo == b.registeredTo;
}

}  // namespace tzp::filters
