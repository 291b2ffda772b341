#include "assoc/association_lists.h"

#include <iterator>
#include <string>
#include <vector>

#include "assoc/catalogue.h"
#include "assoc/entries.h"
#include "assoc/personal_file.h"
#include "assoc/read_association.h"

namespace tzp::assoc {

namespace {

// The entries of a list are read first and then added in one go, so the window shows
// the list once instead of once for every entry.
template <typename Extensions>
void AppendEntries(App& app, std::string_view list, const Extensions& extensions) {
    std::vector<std::string> entries;
    entries.reserve(std::size(extensions));
    for (const auto& extension : extensions) {
        entries.push_back(MakeEntry(extension, ReadAssociation(app, extension)));
    }
    app.form.AddEntries(list, std::move(entries));
}

}  // namespace

void AppendCatalogueEntries(App& app) {
    AppendEntries(app, "List1", kVideoExtensions);
    AppendEntries(app, "List2", kAudioExtensions);
}

void AppendPersonalEntries(App& app) {
    AppendEntries(app, "List3", ReadPersonalExtensions(app));
}

void BuildAssociationLists(App& app) {
    app.form.ClearEntries("List1");
    app.form.ClearEntries("List2");
    app.form.ClearEntries("List3");
    AppendCatalogueEntries(app);
    AppendPersonalEntries(app);
}

}  // namespace tzp::assoc
