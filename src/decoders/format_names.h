#pragma once
// Readable names of media types: the common subtypes by name, a subtype made from a
// FOURCC by its four characters, any other by its GUID.
#include <string>

#include "decoders/filter_data.h"

namespace tzp::decoders {

std::string FormatName(const MediaType& type);

// True when the GUID is one Windows makes from a FOURCC or a format tag
// (XXXXXXXX-0000-0010-8000-00AA00389B71).
bool IsFourccGuid(const Guid& guid);

}  // namespace tzp::decoders
