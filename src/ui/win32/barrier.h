#pragma once
// Where the system calls the window (a window procedure, the keyboard interface), nothing
// thrown by a behaviour may go further: it is reported, and the window stays alive.
#include <exception>

namespace tzp::ui {

// Runs `route`; what it throws goes to `report` (its text, or nullptr for an unknown
// exception), and `failed` is returned instead.
template <typename Result, typename Route, typename Report>
Result Barrier(Result failed, Route&& route, Report&& report) {
    try {
        return route();
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report(nullptr);
    }
    return failed;
}

}  // namespace tzp::ui
