// Settings\exts.ini read, shown in List3 and written back: what is written reads back as
// the same list, and writing that list again gives the same bytes.
#include <string>
#include <vector>

#include "assoc/association_lists.h"
#include "assoc/entries.h"
#include "assoc/personal_file.h"
#include "fakes/fake_system.h"
#include "fuzz_check.h"
#include "fuzz_system.h"
#include "platform/text.h"

namespace {

constexpr const char* kExtsPath = "C:\\Pack\\Settings\\exts.ini";

// Reads the file into List3 as start-up does, and gives the extensions List3 shows.
std::vector<std::string> Load(tzp::fakes::FakeSystem& sys) {
    sys.form->ClearEntries("List3");
    tzp::assoc::AppendPersonalEntries(sys.app);
    std::vector<std::string> shown;
    for (const auto& entry : sys.form->Entries("List3")) {
        shown.push_back(tzp::assoc::ExtensionPart(entry.text));
    }
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = tzp::fuzz::AsText(data, size);
    auto& sys = tzp::fuzz::PackSystem();
    sys.registry.log.clear();
    sys.files.AddFile(kExtsPath, input);
    const std::vector<std::string> read = tzp::assoc::ReadPersonalExtensions(sys.app);
    for (const auto& line : read) {
        FUZZ_CHECK(!line.empty());
        FUZZ_CHECK(line.find('\r') == std::string::npos);
    }
    // Every line shows as an entry that still tells its extension apart.
    FUZZ_CHECK(Load(sys) == read);

    FUZZ_CHECK(tzp::assoc::WritePersonalExtensions(sys.app).ok());
    const std::string written = *sys.files.Content(kExtsPath);
    // What was written reads back as the same lines. List3 is made from nothing but these
    // lines and the registry, which the write leaves alone, so showing them again (the
    // costliest step of an input, four registry reads a line) would give the same list.
    FUZZ_CHECK(tzp::assoc::ReadPersonalExtensions(sys.app) == read);
    FUZZ_CHECK(tzp::assoc::WritePersonalExtensions(sys.app).ok());
    FUZZ_CHECK(*sys.files.Content(kExtsPath) == written);
    return 0;
}
