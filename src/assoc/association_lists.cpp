#include "assoc/association_lists.h"

#include "assoc/catalogue.h"
#include "assoc/entries.h"
#include "assoc/personal_file.h"
#include "assoc/read_association.h"

namespace tzp::assoc {

namespace {

template <typename Extensions>
void AppendEntries(App& app, std::string_view list, const Extensions& extensions) {
    for (const auto& extension : extensions) {
        app.form.AddEntry(list, MakeEntry(extension, ReadAssociation(app, extension)));
    }
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
