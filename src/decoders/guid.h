#pragma once
// Class and media type identifiers as the registry and the filters' data hold them.
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tzp::decoders {

// The 16 bytes in memory order (the first three fields little-endian, as Windows lays
// a GUID out in a FilterData blob).
struct Guid {
    std::array<uint8_t, 16> bytes{};
    auto operator<=>(const Guid&) const = default;
    bool IsNull() const { return *this == Guid{}; }
    // The first field, which holds the FOURCC or format tag of the media subtypes built
    // from one.
    uint32_t Data1() const;
};

// "{083863F1-70DE-11D0-BD40-00A0C911CE86}" or the same without braces, in any letter
// case; nullopt for anything else.
std::optional<Guid> ParseGuid(std::string_view text);

// The registry form: upper case, with braces.
std::string GuidText(const Guid& guid);

// Sixteen bytes taken as a GUID; `bytes` must hold 16.
Guid GuidFromBytes(std::string_view bytes);

}  // namespace tzp::decoders
