#include "decoders/pack_classes.h"

#include <map>

#include "filters/catalogue.h"

namespace tzp::decoders {

namespace {

const std::map<Guid, std::string_view>& BoxesByClass() {
    static const auto boxes = [] {
        std::map<Guid, std::string_view> byClass;
        for (const auto& row : filters::Catalogue()) {
            for (const auto clsid : row.clsids) {
                if (const auto guid = ParseGuid(clsid)) {
                    byClass.emplace(*guid, row.box);
                }
            }
        }
        return byClass;
    }();
    return boxes;
}

}  // namespace

std::string_view PackBox(const Guid& clsid) {
    const auto& boxes = BoxesByClass();
    const auto found = boxes.find(clsid);
    return found == boxes.end() ? std::string_view() : found->second;
}

}  // namespace tzp::decoders
