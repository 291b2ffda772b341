#include "filters/registration_host.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"
#include "platform/status.h"
#include "platform/utf8.h"

namespace tzp::filters {

namespace {

// Fields are separated by a tab and a line ends with a line feed, so both are escaped
// inside a field (a path cannot hold them, but a system text may).
std::string Escaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The fields of a line; nullopt when an escape is broken.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c != '\\') {
            fields.back() += c;
        } else {
            static constexpr std::string_view kEscapes = "\\tnr";
            static constexpr std::string_view kMeant = "\\\t\n\r";
            const size_t which = ++i < line.size() ? kEscapes.find(line[i]) : kEscapes.npos;
            if (which == kEscapes.npos) {
                return std::nullopt;
            }
            fields.back() += kMeant[which];
        }
    }
    return fields;
}

std::optional<uint32_t> Number(std::string_view text) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Hex(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    return text;
}

using platform::HostAnswer;

void TakeAnswer(App& app, const HostAnswer& answer, LibraryOutcome& outcome) {
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
            outcome.reason =
                answer.systemError != 0 ? app.sys.files.DescribeError(answer.systemError) : "";
            return;
        case HostAnswer::Kind::Silent:
            outcome.kind = OutcomeKind::TimedOut;
            outcome.code = platform::kErrorTimeout;
            return;
        case HostAnswer::Kind::NotSent:
            outcome.kind = OutcomeKind::NotStarted;
            outcome.code = answer.code;
            outcome.reason = app.sys.files.DescribeError(answer.code);
            return;
    }
}

}  // namespace

std::string EncodeRequest(const HostRequest& request) {
    return Escaped(request.path) + '\t' + Escaped(request.mode) + '\t' +
           std::to_string(request.waitMs);
}

std::optional<HostRequest> DecodeRequest(std::string_view line) {
    const auto fields = Fields(line);
    if (!fields || fields->size() != 3) {
        return std::nullopt;
    }
    const auto waitMs = Number((*fields)[2]);
    if (!waitMs) {
        return std::nullopt;
    }
    return HostRequest{(*fields)[0], (*fields)[1], *waitMs};
}

std::string EncodeOutcome(const LibraryOutcome& outcome) {
    return std::to_string(static_cast<int>(outcome.kind)) + '\t' + std::to_string(outcome.code) +
           '\t' + Escaped(outcome.reason);
}

bool DecodeOutcome(std::string_view line, LibraryOutcome& outcome) {
    const auto fields = Fields(line);
    if (!fields || fields->size() != 3) {
        return false;
    }
    const auto kind = Number((*fields)[0]);
    const auto code = Number((*fields)[1]);
    if (!kind || !code || *kind > static_cast<uint32_t>(OutcomeKind::Crashed)) {
        return false;
    }
    outcome.kind = static_cast<OutcomeKind>(*kind);
    outcome.code = *code;
    // Bytes from another process, where a library may have written too: whole UTF-8
    // from here on, as the report and its JSON need it.
    outcome.reason = platform::ValidUtf8((*fields)[2]);
    return true;
}

void ServeRegistrationRequests(App& app, const ReadLine& read, const WriteLine& write) {
    while (const auto line = read()) {
        const auto request = DecodeRequest(*line);
        if (!request) {
            return;  // not our caller speaking
        }
        const auto outcome =
            RunSelfRegistration(app, request->path, request->mode, request->waitMs);
        if (!write(EncodeOutcome(outcome))) {
            return;
        }
    }
}

LibraryOutcome RunInHost(App& app, platform::RegistrationHost& host, const std::string& path,
                         std::string_view mode, uint32_t waitMs) {
    LibraryOutcome outcome{path, std::string(mode), {}, OutcomeKind::NothingRun, 0, {}};
    auto& ui = app.sys.ui;
    ui.SetBusyCursor(true);
    // After a crash the host is gone: a new one takes the libraries that remain.
    const auto started = host.Start();
    HostAnswer answer;
    if (started.ok()) {
        answer = host.Ask(EncodeRequest({path, std::string(mode), waitMs}), waitMs + kHostGraceMs);
    } else {
        answer.code = started.error;
    }
    TakeAnswer(app, answer, outcome);
    ui.SetBusyCursor(false);
    return outcome;
}

std::optional<std::string> StartRegistrationHost(App& app) {
    auto* host = app.sys.selfRegistration.Host();
    if (host == nullptr) {
        return std::nullopt;
    }
    const auto started = host->Start();
    if (started.ok()) {
        return std::nullopt;
    }
    return lang::LookupLangStringOr(app, lang::text::kHostNotStarted) + "\r\n" +
           app.sys.files.DescribeError(started.error);
}

void FinishRegistrationHost(App& app) {
    if (auto* host = app.sys.selfRegistration.Host()) {
        host->Finish();
    }
}

void EndRegistrationHosts(App& app) {
    if (auto* host = app.sys.selfRegistration.Host()) {
        host->EndHosts();
    }
}

std::string CrashedText(const App& app, const LibraryOutcome& outcome) {
    const std::string text =
        lang::Fill(lang::LookupLangStringOr(app, lang::text::kLibraryCrashed), {Hex(outcome.code)});
    return outcome.reason.empty() ? text : text + ": " + outcome.reason;
}

}  // namespace tzp::filters
