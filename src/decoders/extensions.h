#pragma once
// Which source filter opens each extension of the pack's lists, and whether Windows' own
// players may leave DirectShow aside for it (a Media Foundation byte-stream handler is
// registered for the extension).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoders/registrations.h"

namespace tzp::decoders {

struct ExtensionSource {
    std::string extension;
    std::optional<Guid> sourceFilter;  // nullopt when none is set
    std::string_view box;              // the pack's box of the source filter, or empty
    bool mediaFoundation = false;
};

// One read of each extension's "Source Filter", one listing of the byte-stream handlers.
std::vector<ExtensionSource> ReadExtensionSources(platform::RegistryService& registry, View view,
                                                  const std::vector<std::string>& extensions);

}  // namespace tzp::decoders
