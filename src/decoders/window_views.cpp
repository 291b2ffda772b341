#include "decoders/window_views.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <set>

#include "decoders/words.h"
#include "filters/catalogue.h"
#include "lang/fill.h"
#include "lang/lang.h"
#include "lang/text_ids.h"

namespace tzp::decoders {

namespace {

using lang::Fill;
using lang::LookupLangStringOr;

std::string WinnerName(const Candidate& candidate) {
    return candidate.name.empty() ? GuidText(candidate.clsid) : candidate.name;
}

// Why the decoder used goes first (renderers tried before it aside).
std::string WhyFirst(const App& app, const FormatRanking& format, const Candidate& winner) {
    std::string why = winner.preferred    ? Say(app, Word::Preferred)
                      : winner.equalMerit ? Say(app, Word::EqualMerit)
                                          : Say(app, Word::Merit, MeritText(winner.merit));
    if (format.preferredNotRegistered) {
        why +=
            "; " + Say(app, Word::PreferredNotRegistered, GuidText(*format.preferredNotRegistered));
    }
    return why;
}

// Why the winner goes before the pack's filter.
std::string WhyBefore(const App& app, const Candidate& winner, const Candidate& pack) {
    if (winner.preferred) {
        return Say(app, Word::Preferred);
    }
    if (winner.merit == pack.merit) {
        return Say(app, Word::EqualMerit);
    }
    return Fill(LookupLangStringOr(app, lang::text::kHigherMerit),
                {MeritText(winner.merit), MeritText(pack.merit)});
}

template <typename Match>
std::optional<size_t> FindCandidate(const FormatRanking& format, Match match) {
    const auto& candidates = format.candidates;
    const auto found = std::find_if(candidates.begin(), candidates.end(), match);
    if (found == candidates.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - candidates.begin());
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const auto& part : parts) {
        text += (text.empty() ? "" : std::string(separator)) + part;
    }
    return text;
}

// The decoder used, the rank of the pack's first filter among the decoders and why the
// decoder wins.
std::array<std::string, 3> ViewCells(const App& app, const FormatRanking& format) {
    const std::string notTaken = LookupLangStringOr(app, lang::text::kNotTakenByPack);
    const Candidate* used = DecoderUsed(format);
    if (used == nullptr) {
        return {Say(app, Word::NoDecoder), notTaken, ""};
    }
    size_t decoders = 0;
    std::optional<size_t> pack;
    for (const auto& candidate : format.candidates) {
        if (!candidate.renderer) {
            ++decoders;
            if (!pack && !candidate.box.empty()) {
                pack = decoders;
            }
        }
    }
    const std::string rank = pack ? Fill(LookupLangStringOr(app, lang::text::kRankOf),
                                         {std::to_string(*pack), std::to_string(decoders)})
                                  : notTaken;
    return {WinnerName(*used), rank, WhyFirst(app, format, *used)};
}

// The view's ranking of the type: the one already made for a pack format, else made now
// (a format that a pack filter takes in the other view only).
FormatRanking RankingIn(const WindowView& view, const MediaType& type) {
    for (const auto& format : view.formats) {
        if (format.type == type) {
            return format;
        }
    }
    return RankFormat(view.registrations, type);
}

std::vector<std::string> DetailsColumns(const App& app) {
    std::vector<std::string> columns{LookupLangStringOr(app, lang::text::kFormatColumn)};
    for (const View view : {View::Bits32, View::Bits64}) {
        for (const lang::BuiltinId id : {lang::text::kDecoderUsedColumn,
                                         lang::text::kPackRankColumn, lang::text::kWhyColumn}) {
            columns.push_back(Fill(LookupLangStringOr(app, id), {ViewName(view)}));
        }
    }
    return columns;
}

}  // namespace

View OwnView() {
    return sizeof(void*) == 8 ? View::Bits64 : View::Bits32;
}

std::string BoxDecoderLine(const App& app, std::string_view box, const WindowView& view) {
    std::vector<std::string> first;
    std::vector<std::string> outranked;
    for (const auto& format : view.formats) {
        const auto own = FindCandidate(
            format, [box](const Candidate& c) { return c.box == box && !c.renderer; });
        if (!own) {
            continue;
        }
        const Candidate& winner = *DecoderUsed(format);
        if (&winner == &format.candidates[*own]) {
            if (std::find(first.begin(), first.end(), format.name) == first.end()) {
                first.push_back(format.name);
            }
        } else {
            outranked.push_back(Fill(LookupLangStringOr(app, lang::text::kOutrankedBy),
                                     {format.name, WinnerName(winner),
                                      WhyBefore(app, winner, format.candidates[*own])}));
        }
    }
    if (!first.empty()) {
        outranked.insert(outranked.begin(), Fill(LookupLangStringOr(app, lang::text::kUsedFirstFor),
                                                 {Joined(first, ", ")}));
    }
    return Joined(outranked, "; ");
}

platform::Table DetailsTable(const App& app, const WindowView& bits32, const WindowView& bits64) {
    platform::Table table{LookupLangStringOr(app, lang::text::kDecodersTitle),
                          DetailsColumns(app),
                          {},
                          LookupLangStringOr(app, lang::text::kCloseCaption)};
    std::vector<MediaType> types;
    for (const WindowView* view : {&bits32, &bits64}) {
        for (const auto& format : view->formats) {
            if (std::find(types.begin(), types.end(), format.type) == types.end()) {
                types.push_back(format.type);
            }
        }
    }
    for (const auto& type : types) {
        const FormatRanking in32 = RankingIn(bits32, type);
        std::vector<std::string> row{in32.name};
        for (const FormatRanking& format : {in32, RankingIn(bits64, type)}) {
            const auto cells = ViewCells(app, format);
            row.insert(row.end(), cells.begin(), cells.end());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

// One reading of the views, shared by the tooltips and the details view until the
// tooltips are written anew.
struct ReadViews {
    std::array<std::optional<WindowView>, 2> views;
    std::set<std::string, std::less<>> lined;  // boxes whose tooltip has its line
};

const WindowView& ViewOf(PackServices& pack, ReadViews& read, View view) {
    auto& slot = read.views[view == View::Bits32 ? 0 : 1];
    if (!slot) {
        WindowView fresh;
        fresh.registrations = ReadRegistrations(pack.sys.registry, view);
        fresh.formats = RankPackFormats(fresh.registrations);
        slot = std::move(fresh);
    }
    return *slot;
}

void AddDecoderLine(App& app, ReadViews& read, std::string_view box) {
    if (!read.lined.insert(std::string(box)).second) {
        return;
    }
    const std::string line = BoxDecoderLine(app, box, ViewOf(app, read, OwnView()));
    if (!line.empty()) {
        app.form.SetTooltip(box, app.form.Get(box).tooltip + "\r\n" + line);
    }
}

void ShowDetails(App& app, ReadViews& read) {
    platform::Table table;
    {
        const platform::BusyCursor busy(app.sys.ui);
        table = DetailsTable(app, ViewOf(app, read, View::Bits32), ViewOf(app, read, View::Bits64));
    }
    app.sys.ui.ShowTable(table);
}

}  // namespace

void WireDecoderViews(App& app) {
    // The details view opens from a context menu of the filter boxes (the pointer's right
    // button, Shift+F10, the menu key): a menu displaces no control of the filters tab,
    // whose every place is taken, and is where a user looks for more about a box.
    const auto read = std::make_shared<ReadViews>();
    for (const auto& row : filters::Catalogue()) {
        if (row.clsids.empty()) {
            continue;
        }
        app.form.OnTipShown(row.box,
                            [&app, read, box = row.box] { AddDecoderLine(app, *read, box); });
        app.form.SetMenu(
            row.box, [&app] { return LookupLangStringOr(app, lang::text::kDecodersMenuItem); },
            [&app, read] { ShowDetails(app, *read); });
    }
}

}  // namespace tzp::decoders
