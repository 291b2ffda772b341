#pragma once
// The registration host's side of the pass: each request it reads is one library, run
// here as the pass would run it in its own process, and answered with its outcome.
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace tzp::filters {

using ReadLine = std::function<std::optional<std::string>()>;
using WriteLine = std::function<bool(const std::string&)>;

// Answers each request line with the outcome of running that library, until there is no
// more request or the answer cannot be written. Needs no window: the host has none.
void ServeRegistrationRequests(platform::Platform& sys, const ReadLine& read,
                               const WriteLine& write);

}  // namespace tzp::filters
