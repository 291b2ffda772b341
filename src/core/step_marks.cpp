#include "core/step_marks.h"

namespace tzp::core {

namespace detail {
StepSink stepSink = nullptr;
}  // namespace detail

void SetStepSink(StepSink sink) {
    detail::stepSink = sink;
}

}  // namespace tzp::core
