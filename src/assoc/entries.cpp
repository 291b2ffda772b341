#include "assoc/entries.h"

namespace tzp::assoc {

std::string MakeEntry(std::string_view extension, std::string_view programName) {
    std::string entry(extension);
    entry += " (";
    entry += programName;
    entry += ")";
    return entry;
}

std::string ExtensionPart(std::string_view entry) {
    const size_t cut = entry.rfind(" (");
    return std::string(cut == std::string_view::npos ? entry : entry.substr(0, cut));
}

}  // namespace tzp::assoc
