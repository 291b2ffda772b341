#pragma once
// The text of an association list line: extension + " (" + program name + ")".
#include <string>
#include <string_view>

namespace tzp::assoc {

std::string MakeEntry(std::string_view extension, std::string_view programName);

// The extension an entry stands for: the text before its last " (". An entry without
// " (" is all extension.
std::string ExtensionPart(std::string_view entry);

}  // namespace tzp::assoc
