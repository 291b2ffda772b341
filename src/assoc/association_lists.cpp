#include "assoc/association_lists.h"

#include <iterator>
#include <string>
#include <vector>

#include "assoc/catalogue.h"
#include "assoc/entries.h"
#include "assoc/personal_file.h"
#include "assoc/read_association.h"
#include "core/step_marks.h"
#include "ui/control_names.h"

namespace tzp::assoc {

namespace {

// The entries of a list are read first and then added in one go, so the window shows
// the list once instead of once for every entry.
template <typename Extensions>
std::vector<std::string> ReadEntries(App& app, const Extensions& extensions) {
    std::vector<std::string> entries;
    entries.reserve(std::size(extensions));
    for (const auto& extension : extensions) {
        entries.push_back(MakeEntry(extension, ReadAssociation(app, extension)));
    }
    return entries;
}

}  // namespace

void AppendCatalogueEntries(App& app) {
    app.form.AddEntries(ui::kVideoList, ReadEntries(app, kVideoExtensions));
    app.form.AddEntries(ui::kAudioList, ReadEntries(app, kAudioExtensions));
}

void AppendPersonalEntries(App& app) {
    const auto extensions = ReadPersonalExtensions(app);
    core::StepPartDone("personal file read");
    auto entries = ReadEntries(app, extensions);
    core::StepPartDone("associations read");
    app.form.AddEntries(ui::kPersonalList, std::move(entries));
    core::StepPartDone("entries shown");
}

void BuildAssociationLists(App& app) {
    app.form.ClearEntries(ui::kVideoList);
    app.form.ClearEntries(ui::kAudioList);
    app.form.ClearEntries(ui::kPersonalList);
    AppendCatalogueEntries(app);
    AppendPersonalEntries(app);
}

}  // namespace tzp::assoc
