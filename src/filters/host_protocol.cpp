#include "filters/host_protocol.h"

#include <charconv>
#include <vector>

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

}  // namespace tzp::filters
