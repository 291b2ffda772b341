#include "fakes/filter_data_blob.h"

namespace tzp::fakes {

namespace {

void PutDword(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>(value >> shift & 0xFF));
    }
}

void PutSignature(std::string& out, size_t index, const char* letters) {
    out.push_back(static_cast<char>('0' + index % 10));
    out += letters;
    out.push_back('3');
}

}  // namespace

std::string FilterDataBlob(const decoders::FilterData& data) {
    size_t guidsAt = 16;
    for (const auto& pin : data.pins) {
        guidsAt += 24 + 16 * pin.types.size();
    }
    std::string out;
    std::string guids;
    PutDword(out, data.version);
    PutDword(out, data.merit);
    PutDword(out, static_cast<uint32_t>(data.pins.size()));
    PutDword(out, 0);
    for (size_t p = 0; p < data.pins.size(); ++p) {
        const auto& pin = data.pins[p];
        PutSignature(out, p, "pi");
        PutDword(out, pin.flags);
        PutDword(out, 0);  // instances
        PutDword(out, static_cast<uint32_t>(pin.types.size()));
        PutDword(out, 0);  // mediums
        PutDword(out, 0);  // no category
        for (size_t t = 0; t < pin.types.size(); ++t) {
            PutSignature(out, t, "ty");
            PutDword(out, 0);
            PutDword(out, static_cast<uint32_t>(guidsAt + guids.size()));
            guids.append(pin.types[t].major.bytes.begin(), pin.types[t].major.bytes.end());
            PutDword(out, static_cast<uint32_t>(guidsAt + guids.size()));
            guids.append(pin.types[t].subtype.bytes.begin(), pin.types[t].subtype.bytes.end());
        }
    }
    return out + guids;
}

decoders::FilterData DecoderData(uint32_t merit, std::vector<decoders::MediaType> inputTypes) {
    return decoders::FilterData{2, merit, {decoders::PinData{0, std::move(inputTypes)}}};
}

}  // namespace tzp::fakes
