#pragma once
// Marks at the ends of the start-up steps, for the benchmark that times them. The
// benchmark's build of the program installs a sink before anything starts; every mark
// hands it the step's name. Without a sink (the program as it ships) a mark is one test.

namespace tzp::core {

// `part` is false for a whole step, true for a part of the step under way (listed before
// the step, which still counts the whole).
using StepSink = void (*)(const char* name, bool part);

// The sink every mark goes to from now on; nullptr for none.
void SetStepSink(StepSink sink);

namespace detail {
extern StepSink stepSink;
}  // namespace detail

// The step named here has just finished.
inline void StepDone(const char* step) {
    if (detail::stepSink != nullptr) {
        detail::stepSink(step, false);
    }
}

// A part of the step under way has just finished.
inline void StepPartDone(const char* part) {
    if (detail::stepSink != nullptr) {
        detail::stepSink(part, true);
    }
}

}  // namespace tzp::core
