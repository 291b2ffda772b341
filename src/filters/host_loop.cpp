#include "filters/host_loop.h"

#include "filters/host_protocol.h"
#include "filters/registration.h"

namespace tzp::filters {

void ServeRegistrationRequests(platform::Platform& sys, const ReadLine& read,
                               const WriteLine& write) {
    while (const auto line = read()) {
        const auto request = DecodeRequest(*line);
        if (!request) {
            return;  // not our caller speaking
        }
        const auto outcome =
            RunSelfRegistration(sys, request->path, request->mode, request->waitMs);
        if (!write(EncodeOutcome(outcome))) {
            return;
        }
    }
}

}  // namespace tzp::filters
