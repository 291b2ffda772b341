#pragma once
// The lines the pass and its registration host (platform/registration_host.h) exchange:
// one request a library, one outcome a request, each on a line of its own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filters/registration.h"

namespace tzp::filters {

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

}  // namespace tzp::filters
