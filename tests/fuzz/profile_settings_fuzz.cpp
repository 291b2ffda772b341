// What a profile's registry file sets, as /check reads it: a deleted key carries no
// data, every value and deleted key is listed once, no value lies in a key the file
// deletes, every value's data reads back in `reg query` style under its type's name, and
// against a registry that holds nothing exactly the values the file writes differ.
//
// The first input of a process brings a file of 20 000 values too, and the checks cost a
// look-up a setting: a reading slower than linear shows as a timeout of that input
// (scripts/fuzz.sh gives this target a short one).
#include <set>
#include <string>
#include <utility>

#include "fakes/fake_registry.h"
#include "fuzz_check.h"
#include "platform/text.h"
#include "profiles/settings_check.h"

namespace {

// Whether the key (lower-cased) or a key above it is one of `keys`.
bool WithinAnyOf(const std::string& key, const std::set<std::string>& keys) {
    for (size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
        if (keys.contains(key.substr(0, end))) {
            return true;
        }
        if (end == std::string::npos) {
            return false;
        }
    }
}

// A hundred values a key: a reading that compares each line with those before it takes
// minutes over them, a linear one a fraction of a second.
constexpr size_t kManyValues = 20000;
std::string ManyValues() {
    std::string file = "REGEDIT4\r\n";
    for (size_t n = 0; n < kManyValues; ++n) {
        if (n % 100 == 0) {
            file += "\r\n[HKEY_CURRENT_USER\\Software\\Fuzz\\Key" + std::to_string(n / 100) + "]\r\n";
        }
        file += "\"Value" + std::to_string(n) + "\"=dword:0000002a\r\n";
    }
    return file;
}

// The properties of the settings read from one file; how many it read.
size_t CheckSettings(std::string_view file) {
    using tzp::platform::UnicodeLower;
    const auto wanted = tzp::profiles::ReadWantedSettings(file);
    if (!wanted) {
        return 0;
    }
    std::set<std::string> deletedKeys;
    std::set<std::pair<std::string, std::string>> values;
    size_t written = 0;
    for (const auto& setting : *wanted) {
        if (setting.wholeKey) {
            FUZZ_CHECK(!setting.data && setting.name.empty());
            FUZZ_CHECK(deletedKeys.insert(UnicodeLower(setting.key)).second);
            continue;
        }
        FUZZ_CHECK(values.insert({UnicodeLower(setting.key), UnicodeLower(setting.name)}).second);
        if (setting.data) {
            FUZZ_CHECK(tzp::profiles::DataText(*setting.data).starts_with("REG_"));
            ++written;
        }
    }
    for (const auto& value : values) {
        FUZZ_CHECK(!WithinAnyOf(value.first, deletedKeys));
    }
    tzp::fakes::FakeRegistry empty;
    FUZZ_CHECK(tzp::profiles::CompareSettings(empty, *wanted).size() == written);
    return wanted->size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool manyValuesRead = false;
    if (!manyValuesRead) {
        manyValuesRead = true;
        FUZZ_CHECK(CheckSettings(ManyValues()) == kManyValues);
    }
    CheckSettings(tzp::fuzz::AsText(data, size));
    return 0;
}
