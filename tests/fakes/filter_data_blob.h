#pragma once
// FilterData blobs as the system's filter mapper writes them (version 2: header, pin
// records, media type records, then the GUIDs they point to), for the registry fixtures.
#include <string>

#include "decoders/filter_data.h"

namespace tzp::fakes {

std::string FilterDataBlob(const decoders::FilterData& data);

// An input pin taking the given types, and one filter data with it.
decoders::FilterData DecoderData(uint32_t merit, std::vector<decoders::MediaType> inputTypes);

}  // namespace tzp::fakes
