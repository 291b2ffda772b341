#pragma once
// Which decoder really plays each of the pack's formats, for 32-bit and for 64-bit
// players: everything /decoders prints and the details view shows, read from the
// registry when asked for, never at start-up.
#include <array>
#include <string>
#include <vector>

#include "core/pack_services.h"
#include "decoders/broken.h"
#include "decoders/extensions.h"
#include "decoders/ranking.h"

namespace tzp::decoders {

struct ViewReport {
    ViewRegistrations registrations;
    std::vector<FormatRanking> formats;
    std::vector<ExtensionSource> extensions;
    std::vector<BrokenEntry> broken;
};

struct DecodersReport {
    std::array<ViewReport, 2> views;  // the 32-bit view, then the 64-bit one
};

// The extensions of the associations tab: the video and audio lists (".mp4" once), then
// the personal ones.
std::vector<std::string> PackExtensions(PackServices& pack);

ViewReport ReadViewReport(PackServices& pack, View view,
                          const std::vector<std::string>& extensions);
DecodersReport ReadDecodersReport(PackServices& pack);

}  // namespace tzp::decoders
