#pragma once
// The order in which intelligent connect tries the filters for each media type that a
// pack filter takes: Windows' preferred decoder first where one is set and registered,
// then every other filter that accepts the type, highest merit first; filters at or
// below MERIT_DO_NOT_USE are never tried and are left out.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoders/registrations.h"

namespace tzp::decoders {

struct Candidate {
    Guid clsid;
    std::string name;  // the filter's friendly name
    uint32_t merit = 0;
    bool preferred = false;
    // The merit equals another candidate's: Windows tries those in no defined order
    // (they are listed by name).
    bool equalMerit = false;
    std::string_view box;  // the pack's check box, empty when not the pack's
    std::string file;      // the file the class is registered to
    // It takes the type only through a rendering pin that takes any subtype, as the video
    // and audio renderers register themselves, often above every decoder. Windows tries
    // it in its place, but a renderer refuses what it cannot show, so it never plays a
    // compressed format: it is listed, never named as the decoder used.
    bool renderer = false;
};

struct FormatRanking {
    MediaType type;
    std::string name;  // readable, as FormatName gives it
    std::vector<Candidate> candidates;
    // A preferred decoder set for the subtype whose class is not registered: it does not
    // win, and the user should know that the setting is there.
    std::optional<Guid> preferredNotRegistered;
};

// The decoder that plays the format: the first candidate tried that is no renderer
// (none when every candidate is one, or there is none).
const Candidate* DecoderUsed(const FormatRanking& format);

// The candidates for one media type, in the order tried.
FormatRanking RankFormat(const ViewRegistrations& view, const MediaType& type);

// Every media type an input pin of a pack filter registered in the view takes (wildcard
// subtypes aside), in catalogue order, each ranked.
std::vector<FormatRanking> RankPackFormats(const ViewRegistrations& view);

}  // namespace tzp::decoders
