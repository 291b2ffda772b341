#include "decoders/broken.h"

#include "decoders/pack_classes.h"
#include "filters/catalogue.h"

namespace tzp::decoders {

namespace {

const RegisteredFilter* EntryOf(const ViewRegistrations& view, const Guid& clsid) {
    for (const auto& filter : view.filters) {
        if (filter.clsid == clsid) {
            return &filter;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view ProblemName(Problem problem) {
    switch (problem) {
        case Problem::FileMissing:
            return "fileMissing";
        case Problem::ClassNotRegistered:
            return "classNotRegistered";
        case Problem::FilterDataUnreadable:
            return "filterDataUnreadable";
    }
    return {};
}

std::vector<BrokenEntry> FindBrokenEntries(platform::RegistryService& registry,
                                           platform::FileService& files,
                                           const ViewRegistrations& view) {
    std::vector<BrokenEntry> broken;
    for (const auto& row : filters::Catalogue()) {
        for (const auto text : row.clsids) {
            const auto clsid = ParseGuid(text);
            if (!clsid) {
                continue;
            }
            const RegisteredFilter* entry = EntryOf(view, *clsid);
            const auto server =
                entry
                    ? entry->server
                    : registry.Read(NameInView(view.view, platform::RegRoot::ClassesRoot,
                                               "CLSID\\" + GuidText(*clsid) + "\\InprocServer32"));
            if (server && !server->empty() && !files.FileExists(*server)) {
                broken.push_back({row.box, *clsid, Problem::FileMissing, *server});
            }
            if (entry && !server) {
                broken.push_back({row.box, *clsid, Problem::ClassNotRegistered, {}});
            }
            if (entry && !entry->data) {
                broken.push_back(
                    {row.box, *clsid, Problem::FilterDataUnreadable, entry->dataProblem});
            }
        }
    }
    return broken;
}

}  // namespace tzp::decoders
