#pragma once
// The pack's own classes, as the filter catalogue lists them, by class id.
#include <string_view>

#include "decoders/guid.h"

namespace tzp::decoders {

// The check box of the catalogue row that lists the class; empty when the class is not
// the pack's.
std::string_view PackBox(const Guid& clsid);

}  // namespace tzp::decoders
