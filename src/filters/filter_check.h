#pragma once
// The filter boxes of a profile compared with what the registry holds: the state the
// registration pass would give each library against the state the detection finds.
#include <string_view>
#include <vector>

#include "filters/registration_info.h"
#include "ui/form.h"

namespace tzp::filters {

struct FilterDifference {
    std::string_view box;
    bool wantRegistered = false;
    RowRegistration found;
};

// A box's registration among the detection's rows. The splitter master has no classes
// of its own: it counts as registered to this copy exactly when the detection would
// tick it, when one of its members has a class registered to this copy.
RowRegistration RegistrationOf(const std::vector<RowRegistration>& registrations,
                               std::string_view box);

// A library to be registered matches only when every class names the pack's copy; one
// to be unregistered when none does (another copy's classes are not the pack's).
bool Matches(bool wantRegistered, const RowRegistration& found);

// Every box of the pass, in its order, whose library the pass would leave other than
// the registry has it now; the boxes as they stand say what is wanted.
std::vector<FilterDifference> CompareFilterStates(
    const ui::Form& form, const std::vector<RowRegistration>& registrations);

// Whether two reads of a row found the same registration.
bool SameRegistration(const RowRegistration& a, const RowRegistration& b);

}  // namespace tzp::filters
