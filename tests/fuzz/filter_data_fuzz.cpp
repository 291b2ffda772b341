// The filters' FilterData blobs, as the decoder views read them from the registry: any
// bytes are read or refused with a reason, never read past; what is read fits in the
// blob, every GUID read is in it, and writing it again reads back the same. Through the
// registry, a blob that cannot be read is named, and a pack filter's is a broken entry.
#include <algorithm>
#include <string>

#include "decoders/broken.h"
#include "decoders/ranking.h"
#include "fakes/filter_data_blob.h"
#include "fuzz_check.h"
#include "fuzz_system.h"

namespace {

using tzp::decoders::FilterData;

bool Holds(std::string_view blob, const tzp::decoders::Guid& guid) {
    return blob.find(std::string(guid.bytes.begin(), guid.bytes.end())) != std::string_view::npos;
}

void CheckRead(std::string_view blob, const FilterData& data) {
    size_t needed = 16;
    for (const auto& pin : data.pins) {
        needed += 24 + 16 * pin.types.size();
        for (const auto& type : pin.types) {
            FUZZ_CHECK(Holds(blob, type.major) && Holds(blob, type.subtype));
        }
    }
    FUZZ_CHECK(needed <= blob.size());
    const auto again = tzp::decoders::ParseFilterData(tzp::fakes::FilterDataBlob(data));
    FUZZ_CHECK(std::holds_alternative<FilterData>(again) && std::get<FilterData>(again) == data);
}

// FFDshow's first class, so that the blob is a pack filter's.
constexpr const char* kPackClass = "{007FC171-01AA-4B3A-B2DB-062DEE815A1E}";

void CheckThroughRegistry(std::string_view blob, bool readable) {
    auto& sys = tzp::fuzz::PackSystem();
    sys.registry = tzp::fakes::FakeRegistry();
    sys.registry.keepLog = false;
    const std::string entry =
        std::string("HKCR\\CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance\\") + kPackClass;
    sys.registry.Set(entry + "\\FilterData", std::string(blob), tzp::fakes::StoredType::Binary);
    sys.registry.Set(std::string("HKCR\\CLSID\\") + kPackClass + "\\InprocServer32\\", "C:\\f.ax");
    const auto view = tzp::decoders::ReadRegistrations(sys.registry, tzp::decoders::View::Bits32);
    FUZZ_CHECK(view.filters.size() == 1 && view.filters[0].data.has_value() == readable);
    FUZZ_CHECK(view.unreadable.size() == (readable ? 0u : 1u));
    for (const auto& format : tzp::decoders::RankPackFormats(view)) {
        FUZZ_CHECK(std::any_of(format.candidates.begin(), format.candidates.end(),
                               [](const auto& c) { return c.box == "Check6"; }) ==
                   (view.filters[0].data->merit > tzp::decoders::kMeritDoNotUse));
    }
    const auto broken = tzp::decoders::FindBrokenEntries(sys.registry, sys.files, view);
    const bool named = std::any_of(broken.begin(), broken.end(), [](const auto& entry) {
        return entry.problem == tzp::decoders::Problem::FilterDataUnreadable;
    });
    FUZZ_CHECK(named == !readable);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view blob = tzp::fuzz::AsText(data, size);
    const auto parsed = tzp::decoders::ParseFilterData(blob);
    if (const auto* read = std::get_if<FilterData>(&parsed)) {
        CheckRead(blob, *read);
    }
    CheckThroughRegistry(blob, std::holds_alternative<FilterData>(parsed));
    return 0;
}
