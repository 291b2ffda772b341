#pragma once
// Registry fixtures for the decoder views: filter category entries with their filter
// data, registered classes, preferred decoders, in either view ("64:" names the 64-bit
// one, as the fake registry does).
#include <string>

#include "decoders/guid.h"
#include "fakes/fake_registry.h"
#include "fakes/filter_data_blob.h"

namespace tzp::testing {

inline const decoders::Guid kVideo = *decoders::ParseGuid("{73646976-0000-0010-8000-00AA00389B71}");
inline const decoders::Guid kAudio = *decoders::ParseGuid("{73647561-0000-0010-8000-00AA00389B71}");
inline const decoders::Guid kH264 = *decoders::ParseGuid("{34363248-0000-0010-8000-00AA00389B71}");
inline const decoders::Guid kAac = *decoders::ParseGuid("{000000FF-0000-0010-8000-00AA00389B71}");
inline const decoders::Guid kAny{};

// FFDshow's first class (Check6) and Ac3filter's first (Check11).
inline constexpr const char* kPackVideo = "{007FC171-01AA-4B3A-B2DB-062DEE815A1E}";
inline constexpr const char* kPackAudio = "{02AFA80F-4BEE-41FD-8572-214B58A9EF90}";

inline std::string InstanceKey(const std::string& view, const std::string& clsid) {
    return view + "HKCR\\CLSID\\{083863F1-70DE-11D0-BD40-00A0C911CE86}\\Instance\\" + clsid;
}

// An entry as the mapper writes it; `server` empty leaves the class unregistered.
inline void AddFilter(fakes::FakeRegistry& registry, const std::string& view,
                      const std::string& clsid, const std::string& name,
                      const std::string& filterData, const std::string& server) {
    registry.Set(InstanceKey(view, clsid) + "\\CLSID", clsid);
    registry.Set(InstanceKey(view, clsid) + "\\FriendlyName", name);
    registry.Set(InstanceKey(view, clsid) + "\\FilterData", filterData, fakes::StoredType::Binary);
    if (!server.empty()) {
        registry.Set(view + "HKCR\\CLSID\\" + clsid + "\\InprocServer32\\", server);
    }
}

inline void AddDecoder(fakes::FakeRegistry& registry, const std::string& view,
                       const std::string& clsid, const std::string& name, uint32_t merit,
                       decoders::MediaType type, const std::string& server = "C:\\f\\x.ax") {
    AddFilter(registry, view, clsid, name, fakes::FilterDataBlob(fakes::DecoderData(merit, {type})),
              server);
}

inline void SetPreferred(fakes::FakeRegistry& registry, const std::string& view,
                         const decoders::Guid& subtype, const std::string& clsid) {
    registry.Set(
        view + "HKLM\\SOFTWARE\\Microsoft\\DirectShow\\Preferred\\" + decoders::GuidText(subtype),
        clsid);
}

}  // namespace tzp::testing
