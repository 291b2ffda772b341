// The registry editor's export turned into profile file lines: no line the importer
// would read as a section names a key outside the exported one, every line fits the
// code page, and converting the converted export changes nothing.
#include <array>
#include <string>

#include "fuzz_check.h"
#include "platform/text.h"
#include "profiles/export_conversion.h"
#include "profiles/profile_files.h"
#include "profiles/reg_file.h"

namespace {

using tzp::profiles::KeyMatch;

// Whether the importer reads the line as a section outside `key`: a section as the
// registry file reader finds it, a deletion being outside whatever it names.
bool NamesKeyOutside(std::string_view line, std::string_view key) {
    const auto section = tzp::profiles::ReadSection(line);
    return section && (section->deletes ||
                       !tzp::profiles::IsKeyOrBelow(tzp::platform::AnsiToUtf8(section->name), key,
                                                    KeyMatch::kRegistry));
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
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    }
    // The profile file's own layout, converted again, is taken as it stands.
    const std::string profileFile = "REGEDIT4\r\n" + tzp::platform::JoinLinesCrLf(converted->lines);
    const auto again = tzp::profiles::ConvertKeyExport(profileFile, key);
    FUZZ_CHECK(again);
    FUZZ_CHECK(again->lines == converted->lines);
    FUZZ_CHECK(again->leftOut.empty());
    return 0;
}
