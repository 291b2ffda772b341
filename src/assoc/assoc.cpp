#include "assoc/assoc.h"

#include "assoc/associate_command.h"
#include "assoc/association_lists.h"
#include "assoc/personal_commands.h"
#include "ui/control_names.h"

namespace tzp::assoc {

void FillCatalogueLists(App& app) {
    AppendCatalogueEntries(app);
}

void FillPersonalList(App& app) {
    AppendPersonalEntries(app);
}

void WireAssociations(App& app) {
    app.form.OnClick(ui::kAddExtensionButton, [&app] { AddPersonalExtension(app); });
    app.form.OnClick(ui::kRemoveExtensionButton, [&app] { RemovePersonalExtension(app); });
    app.form.OnClick(ui::kChooseProgramButton, [&app] { ChooseProgram(app); });
    app.form.OnClick(ui::kAssociateButton, [&app] { AssociateWithChosenProgram(app); });
}

}  // namespace tzp::assoc
