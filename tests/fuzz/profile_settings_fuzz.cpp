// What a profile's registry file sets, as /check reads it: a deleted key carries no
// data, every value is listed once, its data reads back in `reg query` style under its
// type's name, and against a registry that holds nothing exactly the values the file
// writes differ.
#include <string>

#include "fakes/fake_registry.h"
#include "fuzz_check.h"
#include "platform/text.h"
#include "profiles/settings_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto wanted = tzp::profiles::ReadWantedSettings(tzp::fuzz::AsText(data, size));
    if (!wanted) {
        return 0;
    }
    size_t written = 0;
    for (size_t i = 0; i < wanted->size(); ++i) {
        const auto& setting = (*wanted)[i];
        FUZZ_CHECK(!setting.wholeKey || (!setting.data && setting.name.empty()));
        for (size_t j = i + 1; j < wanted->size(); ++j) {
            const auto& other = (*wanted)[j];
            FUZZ_CHECK(setting.wholeKey || other.wholeKey ||
                       !tzp::platform::EqualsNoCase(setting.key, other.key) ||
                       !tzp::platform::EqualsNoCase(setting.name, other.name));
        }
        if (setting.data) {
            FUZZ_CHECK(tzp::profiles::DataText(*setting.data).starts_with("REG_"));
            ++written;
        }
    }
    tzp::fakes::FakeRegistry empty;
    FUZZ_CHECK(tzp::profiles::CompareSettings(empty, *wanted).size() == written);
    return 0;
}
