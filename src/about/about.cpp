#include "about/about.h"

namespace tzp::about {

// Placeholder until the about subsystem lands.
void WireAbout(App&) {}

}  // namespace tzp::about
