#pragma once
// Times of the start-up steps, for the benchmark build of the program only: it is
// compiled with TZP_STEP_TIMES, and there every mark records the time since the previous
// one. In the shipped program a mark is nothing at all.
#ifdef TZP_STEP_TIMES
#include <chrono>
#include <string>
#include <utility>
#include <vector>
#endif

namespace tzp::shell {

#ifdef TZP_STEP_TIMES
struct StepTimes {
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastPart = last;
    std::vector<std::pair<std::string, double>> steps;  // name, milliseconds
};

inline StepTimes& StartupStepTimes() {
    static StepTimes times;
    return times;
}
#endif

// The step named here has just finished.
inline void StepDone([[maybe_unused]] const char* step) {
#ifdef TZP_STEP_TIMES
    auto& times = StartupStepTimes();
    const auto now = std::chrono::steady_clock::now();
    times.steps.emplace_back(step,
                             std::chrono::duration<double, std::milli>(now - times.last).count());
    times.last = now;
    times.lastPart = now;
#endif
}

// A part of the step under way has just finished: listed before the step, which still
// counts the whole.
inline void StepPartDone([[maybe_unused]] const char* part) {
#ifdef TZP_STEP_TIMES
    auto& times = StartupStepTimes();
    const auto now = std::chrono::steady_clock::now();
    times.steps.emplace_back(
        std::string("  ") + part,
        std::chrono::duration<double, std::milli>(now - times.lastPart).count());
    times.lastPart = now;
#endif
}

}  // namespace tzp::shell
