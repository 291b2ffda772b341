#include "decoders/report.h"

#include <algorithm>

#include "assoc/catalogue.h"
#include "assoc/personal_file.h"

namespace tzp::decoders {

std::vector<std::string> PackExtensions(App& app) {
    std::vector<std::string> extensions;
    const auto add = [&extensions](std::string_view extension) {
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end()) {
            extensions.emplace_back(extension);
        }
    };
    std::for_each(assoc::kVideoExtensions.begin(), assoc::kVideoExtensions.end(), add);
    std::for_each(assoc::kAudioExtensions.begin(), assoc::kAudioExtensions.end(), add);
    for (const auto& extension : assoc::ReadPersonalExtensions(app)) {
        add(extension);
    }
    return extensions;
}

ViewReport ReadViewReport(App& app, View view, const std::vector<std::string>& extensions) {
    ViewReport report;
    report.registrations = ReadRegistrations(app.sys.registry, view);
    report.formats = RankPackFormats(report.registrations);
    report.extensions = ReadExtensionSources(app.sys.registry, view, extensions);
    report.broken = FindBrokenEntries(app.sys.registry, app.sys.files, report.registrations);
    return report;
}

DecodersReport ReadDecodersReport(App& app) {
    const auto extensions = PackExtensions(app);
    return DecodersReport{{ReadViewReport(app, View::Bits32, extensions),
                           ReadViewReport(app, View::Bits64, extensions)}};
}

}  // namespace tzp::decoders
