// The registry editor's export turned into profile file lines: no line the importer
// would read as a section names a key outside the exported one, every line fits the
// code page, and converting the converted export changes nothing.
#include <array>
#include <string>

#include "fuzz_check.h"
#include "platform/text.h"
#include "profiles/export_conversion.h"
#include "profiles/profile_files.h"

namespace {

using tzp::platform::UnicodeLower;

// How the importer reads a line: after blanks, "[" opens a key name that runs to the
// last "]" of the line (a "-" in front deletes the key).
bool NamesKeyOutside(std::string_view line, std::string_view key) {
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] != '[') {
        return false;
    }
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos || close < first) {
        return false;
    }
    const std::string name =
        UnicodeLower(tzp::platform::AnsiToUtf8(line.substr(first + 1, close - first - 1)));
    const std::string lowerKey = UnicodeLower(key);
    return !(name == lowerKey || (name.starts_with(lowerKey) && name.size() > lowerKey.size() &&
                                  name[lowerKey.size()] == '\\'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = tzp::fuzz::AsText(data, size);
    const auto& keys = tzp::profiles::kProfileKeys;
    const std::string key = keys[tzp::fuzz::TakeByte(input) % keys.size()];
    const auto converted = tzp::profiles::ConvertKeyExport(input, key);
    if (!converted) {
        return 0;
    }
    for (const auto& line : converted->lines) {
        FUZZ_CHECK(!NamesKeyOutside(line, key));
        FUZZ_CHECK(line.find('\r') == std::string::npos);
    }
    // The profile file's own layout, converted again, is taken as it stands.
    const std::string profileFile = "REGEDIT4\r\n" + tzp::platform::JoinLinesCrLf(converted->lines);
    const auto again = tzp::profiles::ConvertKeyExport(profileFile, key);
    FUZZ_CHECK(again);
    FUZZ_CHECK(again->lines == converted->lines);
    FUZZ_CHECK(again->leftOut.empty());
    return 0;
}
