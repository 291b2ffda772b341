#include "filters/registration_in_host.h"

#include "filters/host_protocol.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/status.h"

namespace tzp::filters {

namespace {

using platform::HostAnswer;

void TakeAnswer(platform::Platform& sys, const HostAnswer& answer, LibraryOutcome& outcome) {
    switch (answer.kind) {
        case HostAnswer::Kind::Answered:
            if (DecodeOutcome(answer.line, outcome)) {
                return;
            }
            [[fallthrough]];
        case HostAnswer::Kind::Garbled:
            // Whatever wrote that was not our host: what became of the library is unknown.
            outcome.kind = OutcomeKind::Crashed;
            outcome.code = 0;
            outcome.reason.clear();
            return;
        case HostAnswer::Kind::Ended:
            outcome.kind = OutcomeKind::Crashed;
            outcome.code = answer.code;
            outcome.reason = answer.systemError != 0 ? sys.errors.Describe(answer.systemError) : "";
            return;
        case HostAnswer::Kind::Silent:
            outcome.kind = OutcomeKind::TimedOut;
            outcome.code = platform::kErrorTimeout;
            return;
        case HostAnswer::Kind::NotSent:
            outcome.kind = OutcomeKind::NotStarted;
            outcome.code = answer.code;
            outcome.reason = sys.errors.Describe(answer.code);
            return;
    }
}

}  // namespace

LibraryOutcome RunInHost(platform::Platform& sys, platform::RegistrationHost& host,
                         const std::string& path, std::string_view mode, uint32_t waitMs) {
    LibraryOutcome outcome{path, std::string(mode), {}, OutcomeKind::NothingRun, 0, {}};
    const platform::BusyCursor busy(sys.ui);
    // After a crash the host is gone: a new one takes the libraries that remain.
    const auto started = host.Start();
    HostAnswer answer;
    if (started.ok()) {
        answer = host.Ask(EncodeRequest({path, std::string(mode), waitMs}), waitMs + kHostGraceMs);
    } else {
        answer.code = started.error;
    }
    TakeAnswer(sys, answer, outcome);
    return outcome;
}

std::optional<std::string> StartRegistrationHost(App& app) {
    auto* host = app.sys.host;
    if (host == nullptr) {
        return std::nullopt;
    }
    const auto started = host->Start();
    if (started.ok()) {
        return std::nullopt;
    }
    return lang::LookupLangStringOr(app, lang::text::kHostNotStarted) + "\r\n" +
           app.sys.errors.Describe(started.error);
}

void FinishRegistrationHost(PackServices& pack) {
    if (auto* host = pack.sys.host) {
        host->Finish();
    }
}

void EndRegistrationHosts(PackServices& pack) {
    if (auto* host = pack.sys.host) {
        host->EndHosts();
    }
}

}  // namespace tzp::filters
