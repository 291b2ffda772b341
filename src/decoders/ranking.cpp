#include "decoders/ranking.h"

#include <algorithm>

#include "decoders/format_names.h"
#include "decoders/pack_classes.h"
#include "filters/catalogue.h"

namespace tzp::decoders {

namespace {

// GUID_NULL on either side takes anything.
bool Matches(const Guid& pin, const Guid& wanted) {
    return pin.IsNull() || wanted.IsNull() || pin == wanted;
}

Candidate CandidateOf(const RegisteredFilter& filter) {
    return Candidate{filter.clsid,
                     filter.friendlyName,
                     filter.data ? filter.data->merit : 0,
                     false,
                     false,
                     PackBox(filter.clsid),
                     filter.server.value_or("")};
}

// The preferred decoder as the first candidate, when its class is registered.
std::optional<Candidate> PreferredCandidate(const ViewRegistrations& view, const Guid& subtype,
                                            FormatRanking& ranking) {
    const auto found = view.preferred.find(subtype);
    if (found == view.preferred.end()) {
        return std::nullopt;
    }
    const PreferredDecoder& decoder = found->second;
    if (!decoder.server) {
        ranking.preferredNotRegistered = decoder.clsid;
        return std::nullopt;
    }
    Candidate candidate{decoder.clsid,          decoder.name,   0, true, false,
                        PackBox(decoder.clsid), *decoder.server};
    // Its category entry, when it has one, gives the name and merit the others show.
    for (const auto& filter : view.filters) {
        if (filter.clsid == decoder.clsid) {
            candidate = CandidateOf(filter);
            candidate.preferred = true;
            break;
        }
    }
    return candidate;
}

// Renderers taking any subtype play no part: a decoder whose merit equals one of theirs
// still goes before every decoder below it.
void MarkEqualMerits(std::vector<Candidate>& candidates) {
    Candidate* before = nullptr;
    for (Candidate& after : candidates) {
        if (after.renderer) {
            continue;
        }
        if (before != nullptr && !before->preferred && before->merit == after.merit) {
            before->equalMerit = after.equalMerit = true;
        }
        before = &after;
    }
}

// How an input pin of the filter takes the type: not at all, only as a renderer taking any
// subtype, or otherwise (a decoder, or a renderer naming the subtype).
enum class Taking { No, AsAnyRenderer, Yes };

Taking HowTaken(const FilterData& data, const MediaType& type) {
    Taking taking = Taking::No;
    for (const auto& pin : data.pins) {
        if (pin.IsOutput()) {
            continue;
        }
        for (const auto& accepted : pin.types) {
            if (!Matches(accepted.major, type.major) || !Matches(accepted.subtype, type.subtype)) {
                continue;
            }
            if (!pin.Renders() || !accepted.subtype.IsNull() || type.subtype.IsNull()) {
                return Taking::Yes;
            }
            taking = Taking::AsAnyRenderer;
        }
    }
    return taking;
}

}  // namespace

const Candidate* DecoderUsed(const FormatRanking& format) {
    for (const auto& candidate : format.candidates) {
        if (!candidate.renderer) {
            return &candidate;
        }
    }
    return nullptr;
}

FormatRanking RankFormat(const ViewRegistrations& view, const MediaType& type) {
    FormatRanking ranking{type, FormatName(type), {}, std::nullopt};
    const auto preferred = PreferredCandidate(view, type.subtype, ranking);
    for (const auto& filter : view.filters) {
        // A class that is not registered cannot be made, whatever its entry says.
        if (!filter.data || !filter.server || filter.data->merit <= kMeritDoNotUse ||
            (preferred && filter.clsid == preferred->clsid)) {
            continue;
        }
        const Taking taking = HowTaken(*filter.data, type);
        if (taking == Taking::No) {
            continue;
        }
        ranking.candidates.push_back(CandidateOf(filter));
        ranking.candidates.back().renderer = taking == Taking::AsAnyRenderer;
    }
    std::sort(ranking.candidates.begin(), ranking.candidates.end(),
              [](const Candidate& a, const Candidate& b) {
                  if (a.merit != b.merit) {
                      return a.merit > b.merit;
                  }
                  return a.name != b.name ? a.name < b.name : a.clsid < b.clsid;
              });
    if (preferred) {
        ranking.candidates.insert(ranking.candidates.begin(), *preferred);
    }
    MarkEqualMerits(ranking.candidates);
    return ranking;
}

std::vector<FormatRanking> RankPackFormats(const ViewRegistrations& view) {
    std::vector<MediaType> types;
    for (const auto& row : filters::Catalogue()) {
        for (const auto& filter : view.filters) {
            if (PackBox(filter.clsid) != row.box || !filter.data) {
                continue;
            }
            for (const auto& pin : filter.data->pins) {
                for (const auto& type : pin.types) {
                    if (!pin.IsOutput() && !type.subtype.IsNull() &&
                        std::find(types.begin(), types.end(), type) == types.end()) {
                        types.push_back(type);
                    }
                }
            }
        }
    }
    std::vector<FormatRanking> rankings;
    for (const auto& type : types) {
        rankings.push_back(RankFormat(view, type));
    }
    return rankings;
}

}  // namespace tzp::decoders
