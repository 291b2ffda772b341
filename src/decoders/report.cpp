#include "decoders/report.h"

#include <algorithm>

#include "assoc/catalogue.h"
#include "assoc/personal_file.h"

namespace tzp::decoders {

std::vector<std::string> PackExtensions(PackServices& pack) {
    std::vector<std::string> extensions;
    const auto add = [&extensions](std::string_view extension) {
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end()) {
            extensions.emplace_back(extension);
        }
    };
    std::for_each(assoc::kVideoExtensions.begin(), assoc::kVideoExtensions.end(), add);
    std::for_each(assoc::kAudioExtensions.begin(), assoc::kAudioExtensions.end(), add);
    for (const auto& extension : assoc::ReadPersonalExtensions(pack)) {
        add(extension);
    }
    return extensions;
}

ViewReport ReadViewReport(PackServices& pack, View view,
                          const std::vector<std::string>& extensions) {
    ViewReport report;
    report.registrations = ReadRegistrations(pack.sys.registry, view);
    report.formats = RankPackFormats(report.registrations);
    report.extensions = ReadExtensionSources(pack.sys.registry, view, extensions);
    report.broken = FindBrokenEntries(pack.sys.registry, pack.sys.files, report.registrations);
    return report;
}

DecodersReport ReadDecodersReport(PackServices& pack) {
    const auto extensions = PackExtensions(pack);
    return DecodersReport{{ReadViewReport(pack, View::Bits32, extensions),
                           ReadViewReport(pack, View::Bits64, extensions)}};
}

}  // namespace tzp::decoders
