#pragma once
#include <optional>
#include <string_view>

namespace tzp::ui {

// The native control ID of a control of the model; accessibility tools and the GUI
// tests find controls by it, so these numbers never change.
std::optional<int> ControlId(std::string_view name);

}  // namespace tzp::ui
