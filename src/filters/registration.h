#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"

namespace tzp::filters {

// How long one entry point may run before the pass goes on without it.
inline constexpr uint32_t kEntryPointWaitMs = 10000;

// Loads the library at `path` and runs its self-registration entry point on a worker
// thread: mode "" registers (DllRegisterServer), "u" or "U" unregisters
// (DllUnregisterServer); any other mode runs nothing. Nothing is reported: a library
// that is missing, lacks the entry point or fails is simply passed over.
void RunSelfRegistration(App& app, const std::string& path, std::string_view mode);

// Registers every library whose box is ticked (value 1) and unregisters the others, in
// the pass's fixed order; with the splitter master off, all six splitter libraries are
// unregistered whatever their boxes show.
void ApplyFilterStates(App& app);

}  // namespace tzp::filters
