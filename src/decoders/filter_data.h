#pragma once
// The binary filter description a DirectShow filter's registration leaves in its
// `FilterData` value: its merit and, for each pin, the media types it takes. Its bytes
// come from whatever registered the filter, so every offset and count is checked
// against them; data that cannot be read is said why, never read past.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "decoders/guid.h"

namespace tzp::decoders {

inline constexpr uint32_t kMeritDoNotUse = 0x200000;
// The pin flag of an output pin; intelligent connect looks at input pins only.
inline constexpr uint32_t kPinFlagOutput = 0x8;
// The pin flag of an input pin that renders what it takes (a video or audio renderer's).
inline constexpr uint32_t kPinFlagRenders = 0x2;

struct MediaType {
    Guid major;    // GUID_NULL accepts any
    Guid subtype;  // GUID_NULL accepts any
    auto operator<=>(const MediaType&) const = default;
};

struct PinData {
    uint32_t flags = 0;
    std::vector<MediaType> types;
    bool IsOutput() const { return (flags & kPinFlagOutput) != 0; }
    bool Renders() const { return (flags & kPinFlagRenders) != 0; }
    bool operator==(const PinData&) const = default;
};

struct FilterData {
    uint32_t version = 0;  // 1 or 2
    uint32_t merit = 0;
    std::vector<PinData> pins;
    bool operator==(const FilterData&) const = default;
};

// Why a FilterData blob cannot be read, in a stable word for machine-read output, and
// the byte offset where the reading stopped.
struct FilterDataFault {
    std::string what;  // "tooShort", "unknownVersion", "badPin", "badType", "badOffset", ...
    size_t offset = 0;
};

std::variant<FilterData, FilterDataFault> ParseFilterData(std::string_view bytes);

}  // namespace tzp::decoders
