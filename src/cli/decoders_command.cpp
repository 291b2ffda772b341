#include "cli/decoders_command.h"

#include "cli/status.h"
#include "cli/texts.h"
#include "decoders/words.h"

namespace tzp::cli {

using decoders::Say;
using decoders::Word;

namespace {

std::string CandidateLine(const App& app, size_t place, const decoders::Candidate& candidate) {
    std::string line = "    " + std::to_string(place) + ". " + candidate.name + "  " +
                       decoders::GuidText(candidate.clsid) + "  " +
                       Say(app, Word::Merit, decoders::MeritText(candidate.merit));
    if (candidate.preferred) {
        line += ", " + Say(app, Word::Preferred);
    }
    if (candidate.equalMerit) {
        line += ", " + Say(app, Word::EqualMerit);
    }
    if (candidate.renderer) {
        line += ", " + Say(app, Word::Renderer);
    }
    if (!candidate.box.empty()) {
        line += ", " + Say(app, Word::PackFilter, decoders::BoxName(candidate.box));
    }
    return line + "  " + candidate.file + "\n";
}

std::string FormatLines(const App& app, const decoders::FormatRanking& format) {
    std::string text = "  " + format.name + "  " + decoders::GuidText(format.type.major) + " " +
                       decoders::GuidText(format.type.subtype) + "\n";
    if (format.preferredNotRegistered) {
        text += "    " +
                Say(app, Word::PreferredNotRegistered,
                    decoders::GuidText(*format.preferredNotRegistered)) +
                "\n";
    }
    if (format.candidates.empty()) {
        text += "    " + Say(app, Word::NoDecoder) + "\n";
    }
    for (size_t i = 0; i < format.candidates.size(); ++i) {
        text += CandidateLine(app, i + 1, format.candidates[i]);
    }
    return text;
}

std::string ExtensionLine(const App& app, const decoders::ExtensionSource& source) {
    std::string line = "    " + source.extension + ": ";
    if (!source.sourceFilter) {
        line += Say(app, Word::NoSourceFilter);
    } else {
        line += Say(app, Word::SourceFilter, decoders::GuidText(*source.sourceFilter));
        if (!source.box.empty()) {
            line += " (" + Say(app, Word::PackFilter, decoders::BoxName(source.box)) + ")";
        }
    }
    if (source.mediaFoundation) {
        line += "; " + Say(app, Word::MediaFoundation);
    }
    return line + "\n";
}

std::string ViewText(const App& app, decoders::View view, const decoders::ViewReport& report) {
    std::string text = Say(app, Word::ViewHeading, decoders::ViewName(view)) + "\n";
    for (const auto& format : report.formats) {
        text += FormatLines(app, format);
    }
    text += "  " + Say(app, Word::ExtensionsHeading) + "\n";
    for (const auto& source : report.extensions) {
        text += ExtensionLine(app, source);
    }
    if (!report.broken.empty()) {
        text += "  " + Say(app, Word::BrokenHeading) + "\n";
    }
    for (const auto& entry : report.broken) {
        text += "    " + std::string(decoders::BoxName(entry.box)) + " " +
                decoders::GuidText(entry.clsid) + ": " + decoders::ProblemText(app, entry) + "\n";
    }
    if (!report.registrations.unreadable.empty()) {
        text += "  " + Say(app, Word::UnreadableHeading) + "\n";
    }
    for (const auto& entry : report.registrations.unreadable) {
        text += "    " + entry.name + ": " + entry.problem + "\n";
    }
    return text;
}

std::string JsonOrNull(const std::optional<decoders::Guid>& guid) {
    return guid ? JsonString(decoders::GuidText(*guid)) : "null";
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonBox(std::string_view box) {
    return box.empty() ? "null" : JsonString(box);
}

std::string CandidateJson(const decoders::Candidate& c) {
    return "{\"clsid\": " + JsonString(decoders::GuidText(c.clsid)) +
           ", \"name\": " + JsonString(c.name) + ", \"merit\": " + std::to_string(c.merit) +
           ", \"preferred\": " + JsonBool(c.preferred) +
           ", \"equalMerit\": " + JsonBool(c.equalMerit) +
           ", \"renderer\": " + JsonBool(c.renderer) + ", \"pack\": " + JsonBool(!c.box.empty()) +
           ", \"box\": " + JsonBox(c.box) + ", \"file\": " + JsonString(c.file) + "}";
}

std::string FormatJson(const decoders::FormatRanking& format) {
    std::string json = "{\"major\": " + JsonString(decoders::GuidText(format.type.major)) +
                       ", \"subtype\": " + JsonString(decoders::GuidText(format.type.subtype)) +
                       ", \"name\": " + JsonString(format.name) + ", \"preferredNotRegistered\": " +
                       JsonOrNull(format.preferredNotRegistered) + ", \"candidates\": [";
    for (size_t i = 0; i < format.candidates.size(); ++i) {
        json += (i ? ", " : "") + CandidateJson(format.candidates[i]);
    }
    return json + "]}";
}

template <typename Item, typename ToJson>
std::string JsonList(const std::vector<Item>& items, ToJson toJson) {
    std::string json = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        json += std::string(i ? "," : "") + "\r\n      " + toJson(items[i]);
    }
    return json + (items.empty() ? "]" : "\r\n    ]");
}

std::string ViewJson(const decoders::ViewReport& report) {
    const auto extension = [](const decoders::ExtensionSource& s) {
        return "{\"extension\": " + JsonString(s.extension) +
               ", \"sourceFilter\": " + JsonOrNull(s.sourceFilter) +
               ", \"pack\": " + JsonBool(!s.box.empty()) + ", \"box\": " + JsonBox(s.box) +
               ", \"mediaFoundation\": " + JsonBool(s.mediaFoundation) + "}";
    };
    const auto broken = [](const decoders::BrokenEntry& b) {
        return "{\"box\": " + JsonString(b.box) +
               ", \"clsid\": " + JsonString(decoders::GuidText(b.clsid)) +
               ", \"problem\": " + JsonString(decoders::ProblemName(b.problem)) +
               ", \"detail\": " + JsonString(b.detail) + "}";
    };
    const auto unreadable = [](const decoders::UnreadableEntry& u) {
        return "{\"name\": " + JsonString(u.name) + ", \"problem\": " + JsonString(u.problem) + "}";
    };
    return "{\r\n    \"formats\": " + JsonList(report.formats, FormatJson) +
           ",\r\n    \"extensions\": " + JsonList(report.extensions, extension) +
           ",\r\n    \"broken\": " + JsonList(report.broken, broken) +
           ",\r\n    \"unreadable\": " + JsonList(report.registrations.unreadable, unreadable) +
           "\r\n  }";
}

}  // namespace

std::string DecodersText(const App& app, const decoders::DecodersReport& report) {
    return AsLines(ViewText(app, decoders::View::Bits32, report.views[0]) +
                   ViewText(app, decoders::View::Bits64, report.views[1]));
}

std::string DecodersJson(const decoders::DecodersReport& report) {
    return "{\"views\": {\r\n  \"32\": " + ViewJson(report.views[0]) +
           ",\r\n  \"64\": " + ViewJson(report.views[1]) + "\r\n}}\r\n";
}

std::string DecodersText(App& app) {
    return DecodersText(app, decoders::ReadDecodersReport(app));
}

std::string DecodersJson(PackServices& pack) {
    return DecodersJson(decoders::ReadDecodersReport(pack));
}

}  // namespace tzp::cli
