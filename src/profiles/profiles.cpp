#include "profiles/profiles.h"

namespace tzp::profiles {

// Placeholder until the profile actions land.
void WireProfiles(App&) {}

}  // namespace tzp::profiles
