#include "assoc/assoc.h"

#include "assoc/associate_command.h"
#include "assoc/association_lists.h"
#include "assoc/personal_commands.h"

namespace tzp::assoc {

void FillCatalogueLists(App& app) {
    AppendCatalogueEntries(app);
}

void FillPersonalList(App& app) {
    AppendPersonalEntries(app);
}

void WireAssociations(App& app) {
    app.form.OnClick("Command4", [&app] { AddPersonalExtension(app); });
    app.form.OnClick("Command5", [&app] { RemovePersonalExtension(app); });
    app.form.OnClick("Command7", [&app] { ChooseProgram(app); });
    app.form.OnClick("Command6", [&app] { AssociateWithChosenProgram(app); });
}

}  // namespace tzp::assoc
