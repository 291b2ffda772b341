#include "platform/registry.h"

#include <array>

#include "platform/text.h"

namespace tzp::platform {

namespace {

struct RootSpelling {
    std::string_view spelling;
    RegRoot root;
};

constexpr std::array<RootSpelling, 8> kRootSpellings{{
    {"HKCR", RegRoot::ClassesRoot},
    {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
    {"HKCU", RegRoot::CurrentUser},
    {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
    {"HKLM", RegRoot::LocalMachine},
    {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
    {"HKEY_USERS", RegRoot::Users},
    {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
}};

}  // namespace

std::optional<RegName> ParseRegName(std::string_view fullName) {
    const size_t firstSlash = fullName.find('\\');
    if (firstSlash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string rootText = AsciiUpper(fullName.substr(0, firstSlash));
    RegName name;
    bool known = false;
    for (const auto& spelling : kRootSpellings) {
        if (rootText == spelling.spelling) {
            name.root = spelling.root;
            known = true;
        }
    }
    if (!known) {
        return std::nullopt;
    }
    std::string_view rest = fullName.substr(firstSlash + 1);
    // A key name is never empty, so a backslash right after the root or two in a row (an
    // empty ProgID spliced into a path, a hand-edited name) name no key at all: the
    // registry would refuse such a path or, worse, reach another key.
    if (rest.starts_with('\\') || rest.find("\\\\") != std::string_view::npos) {
        return std::nullopt;
    }
    if (rest.empty() || rest.back() == '\\') {
        name.namesKey = true;
        if (!rest.empty()) {
            rest.remove_suffix(1);
        }
        name.key = std::string(rest);
    } else {
        const size_t lastSlash = rest.rfind('\\');
        if (lastSlash == std::string_view::npos) {
            name.valueName = std::string(rest);
        } else {
            name.key = std::string(rest.substr(0, lastSlash));
            name.valueName = std::string(rest.substr(lastSlash + 1));
        }
    }
    return name;
}

}  // namespace tzp::platform
