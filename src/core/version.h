#pragma once
#include <string_view>

namespace tzp {

// The program's version, "1.2.3": the project's version (the last v* tag), as the version
// resource and the manifest carry it. CMake writes its definition into the build folder,
// so a new version compiles one file.
std::string_view ProgramVersion();

}  // namespace tzp
