#pragma once
// The decoder views as the window shows them: a line in each filter box's tooltip (what
// the box's filter plays first, and who outranks it where it does not) and the details
// view (every format of the pack, for 32-bit and 64-bit players side by side). Nothing of
// it is read at start-up: the views are read when a box's tooltip first shows or the
// details view opens, and kept until the tooltips are written anew (the next apply).
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "decoders/ranking.h"
#include "platform/interaction.h"

namespace tzp::decoders {

// What the window needs of one view.
struct WindowView {
    ViewRegistrations registrations;
    std::vector<FormatRanking> formats;
};

// The view into which this program registers the pack's libraries: its own. The shipped
// 32-bit build and the 32-bit players it serves share the 32-bit view; the 64-bit build
// registers into the 64-bit one.
View OwnView();

// The line a box's tooltip gains in the view: the formats its filter is tried first for,
// then each format it takes where another wins, with the winner and why. Empty when the
// box's filter takes none of the formats there.
std::string BoxDecoderLine(const App& app, std::string_view box, const WindowView& view);

// The details view: the format's name, then for the 32-bit view and then the 64-bit one
// the decoder used, the rank of the pack's first filter and why the decoder used wins.
// One row a format that a pack filter takes in either view, in the 32-bit view's order.
platform::Table DetailsTable(const App& app, const WindowView& bits32, const WindowView& bits64);

// Gives every filter box its decoder line when its tooltip first shows, and a context
// menu that opens the details view. Both share one reading of the views, dropped when
// this is called again: the tooltips are written anew after each apply, and call it.
void WireDecoderViews(App& app);

}  // namespace tzp::decoders
