#pragma once
// The pass run in a registration host (see platform/registration_host.h): the lines the
// caller and the host exchange, the host's side that runs each library as the runner
// does, and the caller's side that turns a host that ended into that library's outcome.
#include <cstdint>
#include <functional>
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

struct HostRequest {
    std::string path;
    std::string mode;
    uint32_t waitMs = kEntryPointWaitMs;
};

// One line each, without its line end; fields may hold any text.
std::string EncodeRequest(const HostRequest& request);
std::optional<HostRequest> DecodeRequest(std::string_view line);
std::string EncodeOutcome(const LibraryOutcome& outcome);
// Takes the kind, code and reason from the line into `outcome`; false for a line that
// is no outcome.
bool DecodeOutcome(std::string_view line, LibraryOutcome& outcome);

// The host's side: answers each request line with the outcome of running that library,
// until there is no more request or the answer cannot be written.
using ReadLine = std::function<std::optional<std::string>()>;
using WriteLine = std::function<bool(const std::string&)>;
void ServeRegistrationRequests(App& app, const ReadLine& read, const WriteLine& write);

// The caller's side of one library. A host that ended before it answered is the
// library's crash; one that stays silent past the limit has the library still running.
LibraryOutcome RunInHost(App& app, platform::RegistrationHost& host, const std::string& path,
                         std::string_view mode, uint32_t waitMs = kEntryPointWaitMs);

// Before a pass: starts the host the pass runs in, where there is one. The message to
// show when it could not be started (nothing may run then), or nullopt.
std::optional<std::string> StartRegistrationHost(App& app);
// After a pass: lets the host go.
void FinishRegistrationHost(App& app);
// Once the pass has been reported: ends every host it started, with whatever library is
// still running in one (a library left past its limit has had until then).
void EndRegistrationHosts(App& app);

// "the library crashed with the code 0xC0000005: <the system's words>"
std::string CrashedText(const App& app, const LibraryOutcome& outcome);

}  // namespace tzp::filters
