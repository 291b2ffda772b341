#include "decoders/filter_data.h"

#include <array>
#include <optional>

namespace tzp::decoders {

namespace {

// A cursor over the blob that never reads past its end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    // `count` fields in a row, or nothing when the blob ends before the last.
    template <size_t count>
    std::optional<std::array<uint32_t, count>> Dwords() {
        if (bytes_.size() - at_ < 4 * count) {
            return std::nullopt;
        }
        std::array<uint32_t, count> values{};
        for (auto& value : values) {
            value = DwordAt(at_);
            at_ += 4;
        }
        return values;
    }
    bool Skip(size_t count) {
        if (bytes_.size() - at_ < count) {
            return false;
        }
        at_ += count;
        return true;
    }
    // The GUID stored at an offset from the blob's start, when all 16 bytes are there.
    std::optional<Guid> GuidAt(uint32_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 16) {
            return std::nullopt;
        }
        return GuidFromBytes(bytes_.substr(offset, 16));
    }
    size_t At() const { return at_; }

  private:
    uint32_t DwordAt(size_t at) const {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = value << 8 | static_cast<uint8_t>(bytes_[at + i]);
        }
        return value;
    }

    std::string_view bytes_;
    size_t at_ = 0;
};

// Each pin and media type record starts with a signature: a digit, two letters, a digit
// ("0pi3", "0ty3"). The letters tell a misread record from a real one.
bool SignatureIs(uint32_t signature, char first, char second) {
    return static_cast<char>(signature >> 8 & 0xFF) == first &&
           static_cast<char>(signature >> 16 & 0xFF) == second;
}

std::variant<MediaType, FilterDataFault> ReadType(Reader& reader) {
    // Signature, a field nobody uses, the offsets of the major type and the subtype.
    const size_t start = reader.At();
    const auto fields = reader.Dwords<4>();
    if (!fields) {
        return FilterDataFault{"tooShort", start};
    }
    if (!SignatureIs((*fields)[0], 't', 'y')) {
        return FilterDataFault{"badType", start};
    }
    const auto major = reader.GuidAt((*fields)[2]);
    const auto subtype = reader.GuidAt((*fields)[3]);
    if (!major || !subtype) {
        return FilterDataFault{"badOffset", start};
    }
    return MediaType{*major, *subtype};
}

// A pin record: signature, flags, instances, media type count, medium count, and whether
// a category offset follows. The version 1 layout (pins as the first filter mapper
// described them) has neither mediums nor categories: those two fields are there but
// carry nothing, so no offsets follow them.
std::variant<PinData, FilterDataFault> ReadPin(Reader& reader, uint32_t version) {
    const size_t start = reader.At();
    const auto fields = reader.Dwords<6>();
    if (!fields) {
        return FilterDataFault{"tooShort", start};
    }
    const auto [signature, flags, instances, typeCount, mediumCount, hasCategory] = *fields;
    (void)instances;
    if (!SignatureIs(signature, 'p', 'i')) {
        return FilterDataFault{"badPin", start};
    }
    if (version == 2 && hasCategory != 0 && !reader.Skip(4)) {
        return FilterDataFault{"tooShort", reader.At()};
    }
    PinData pin{flags, {}};
    // Each type takes 16 bytes of the blob: a count beyond them is a lie, found before
    // anything is reserved for it.
    for (uint32_t i = 0; i < typeCount; ++i) {
        auto type = ReadType(reader);
        if (auto* fault = std::get_if<FilterDataFault>(&type)) {
            return *fault;
        }
        pin.types.push_back(std::get<MediaType>(type));
    }
    if (version == 2 && (mediumCount > (1u << 28) || !reader.Skip(size_t{mediumCount} * 4))) {
        return FilterDataFault{"tooShort", reader.At()};
    }
    return pin;
}

}  // namespace

std::variant<FilterData, FilterDataFault> ParseFilterData(std::string_view bytes) {
    // Version, merit, pin count and a field nobody uses.
    Reader reader(bytes);
    const auto header = reader.Dwords<4>();
    if (!header) {
        return FilterDataFault{"tooShort", 0};
    }
    const auto [version, merit, pinCount, unused] = *header;
    (void)unused;
    if (version != 1 && version != 2) {
        return FilterDataFault{"unknownVersion", 0};
    }
    FilterData data{version, merit, {}};
    for (uint32_t i = 0; i < pinCount; ++i) {
        auto pin = ReadPin(reader, version);
        if (auto* fault = std::get_if<FilterDataFault>(&pin)) {
            return *fault;
        }
        data.pins.push_back(std::move(std::get<PinData>(pin)));
    }
    return data;
}

}  // namespace tzp::decoders
