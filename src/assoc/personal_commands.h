#pragma once
// The add (Command4, Text1) and remove (Command5, Text2) commands of the personal list.
#include "core/app.h"

namespace tzp::assoc {

void AddPersonalExtension(App& app);
void RemovePersonalExtension(App& app);

}  // namespace tzp::assoc
