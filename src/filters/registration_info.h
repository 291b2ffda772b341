#pragma once
// Which copy of each filter library the system has registered. The detection only ticks
// the boxes whose classes name the pack's own copy; the user also needs to know when
// another copy (an older pack, another player's bundle) holds the classes, since
// applying takes them over, or leaves them there when the box stays unticked.
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "filters/catalogue.h"

namespace tzp::filters {

enum class RegistrationState {
    ThisCopy,       // every class names the pack's own library
    OtherCopy,      // at least one class names another file
    Partly,         // some classes name the pack's library, the others nothing
    NotRegistered,  // no class is registered at all
};

struct RowRegistration {
    std::string_view box;  // the row's check box, "Check6"
    RegistrationState state = RegistrationState::NotRegistered;
    // For another copy: the file named by the first class of the row that names one.
    std::string registeredTo;
    size_t classesHere = 0;  // classes registered to the pack's own library
    size_t classes = 0;      // classes of the row
};

// Sorts one row by the InprocServer32 defaults of its classes, in the row's order
// ("Erreur" or empty when a class is not registered); `expected` is the pack's copy.
// Paths compare without regard to case, exactly as the detection does.
RowRegistration ClassifyRegistration(const FilterRow& row, const std::vector<std::string>& servers,
                                     const std::string& expected);

// Reads every class of every row of the detection once, in the detection's order, and
// sorts each row. Changes nothing in the window.
std::vector<RowRegistration> ReadRegistrations(const App& app);

// A short stable word per state, for machine-read output: "this", "other", "partly",
// "none".
std::string_view RegistrationStateName(RegistrationState state);

// The registration in the language's words, as the tooltip's last line says it.
std::string RegistrationText(const App& app, const RowRegistration& registration);

// The lines of a filter box's tooltip: the library's full path, its version as the
// caption shows it, and the registration in the language's words.
void SetRegistrationTooltips(App& app, const std::vector<RowRegistration>& registrations);

// Reads the registrations again (after an apply) and renews the tooltips; the boxes'
// ticks stay as they are. Returns what was read.
std::vector<RowRegistration> RefreshRegistrationInfo(App& app);

}  // namespace tzp::filters
