#pragma once
// Where the program may load libraries from. It runs as administrator, from whatever
// folder it was unpacked to: a library put beside it, or in the current folder, must
// never run.

namespace tzp::platform {

// Called first thing at start-up: libraries loaded by bare name (by the program, or by a
// system library on its behalf) come from the system folder only, the current folder is
// out of the search, and where the system offers it (Windows 10 and later) images from
// remote shares or with a low integrity label are refused and system images preferred.
void RestrictLibrarySearch();

}  // namespace tzp::platform
