#include "assoc/personal_file.h"

#include "assoc/entries.h"
#include "platform/text.h"
#include "ui/control_names.h"

namespace tzp::assoc {

std::string PersonalListPath(const PackServices& pack) {
    return pack.packDir + "\\Settings\\exts.ini";
}

std::vector<std::string> ReadPersonalExtensions(PackServices& pack) {
    std::vector<std::string> extensions;
    const auto bytes = pack.sys.files.ReadAll(PersonalListPath(pack));
    if (!bytes) {
        return extensions;
    }
    for (auto& line : platform::SplitLines(platform::DecodeTextFile(*bytes))) {
        if (!line.empty()) {
            extensions.push_back(std::move(line));
        }
    }
    return extensions;
}

platform::Status WritePersonalExtensions(App& app) {
    std::vector<std::string> lines;
    bool fitsAnsi = true;
    for (const auto& entry : app.form.Entries(ui::kPersonalList)) {
        lines.push_back(ExtensionPart(entry.text));
        fitsAnsi = fitsAnsi && platform::FitsAnsi(lines.back());
    }
    const std::string text = platform::JoinLinesCrLf(lines);
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    std::string bytes = fitsAnsi ? platform::Utf8ToAnsi(text) : std::string();
    // A list whose code page bytes begin with those of the byte-order mark (EF BB BF) would
    // be read back as UTF-8 without them: such a list goes in UTF-8 as well.
    if (!fitsAnsi || bytes.starts_with(kUtf8Bom)) {
        bytes = std::string(kUtf8Bom) + text;
    }
    return app.sys.files.WriteAllAtomic(PersonalListPath(app), bytes);
}

}  // namespace tzp::assoc
