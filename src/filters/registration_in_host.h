#pragma once
// The pass's use of the registration host (platform/registration_host.h), where there is
// one: each library runs there, and a host that ended or went silent is that library's
// outcome.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"
#include "filters/registration.h"
#include "platform/registration_host.h"

namespace tzp::filters {

// How much longer than the entry point's limit the caller waits for the host's answer:
// loading a library is not part of the limit, and a library that hangs as it loads is
// left behind after that.
inline constexpr uint32_t kHostGraceMs = 5000;

// One library. A host that ended before it answered is the library's crash; one that
// stays silent past the limit has the library still running.
LibraryOutcome RunInHost(platform::Platform& sys, platform::RegistrationHost& host,
                         const std::string& path, std::string_view mode,
                         uint32_t waitMs = kEntryPointWaitMs);

// Before a pass: starts the host the pass runs in, where there is one. The message to
// show when it could not be started (nothing may run then), or nullopt.
std::optional<std::string> StartRegistrationHost(App& app);
// After a pass: lets the host go.
void FinishRegistrationHost(PackServices& pack);
// Once the pass has been reported: ends every host it started, with whatever library is
// still running in one (a library left past its limit has had until then).
void EndRegistrationHosts(PackServices& pack);

}  // namespace tzp::filters
