// The registry name rule: a parsed name has a known root, a key that neither begins nor
// ends with a backslash nor holds an empty key name, a value name without a backslash,
// and put back together it gives the name it came from.
#include <string>

#include "fuzz_check.h"
#include "platform/reg.h"
#include "platform/registry.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view fullName = tzp::fuzz::AsText(data, size);
    const auto name = tzp::platform::ParseRegName(fullName);
    const size_t slash = fullName.find('\\');
    if (!name) {
        // Only an unknown root or an empty key name is refused.
        if (slash != std::string_view::npos) {
            const std::string root = tzp::platform::AsciiUpper(fullName.substr(0, slash));
            const std::string_view rest = fullName.substr(slash + 1);
            const bool known = root == "HKCR" || root == "HKCU" || root == "HKLM" ||
                               root == "HKEY_CLASSES_ROOT" || root == "HKEY_CURRENT_USER" ||
                               root == "HKEY_LOCAL_MACHINE" || root == "HKEY_USERS" ||
                               root == "HKEY_CURRENT_CONFIG";
            FUZZ_CHECK(!known || rest.starts_with('\\') ||
                       rest.find("\\\\") != std::string_view::npos);
        }
        return 0;
    }
    FUZZ_CHECK(slash != std::string_view::npos);
    FUZZ_CHECK(!name->key.starts_with('\\') && !name->key.ends_with('\\'));
    FUZZ_CHECK(name->key.find("\\\\") == std::string::npos);
    FUZZ_CHECK(name->valueName.find('\\') == std::string::npos);
    FUZZ_CHECK(!name->namesKey || name->valueName.empty());
    std::string rebuilt(fullName.substr(0, slash + 1));
    rebuilt += name->key;
    if (name->namesKey) {
        rebuilt += name->key.empty() ? "" : "\\";
    } else {
        rebuilt += name->key.empty() ? "" : "\\";
        rebuilt += name->valueName;
    }
    FUZZ_CHECK(rebuilt == fullName);
    FUZZ_CHECK(name->namesKey == fullName.ends_with('\\'));
    // The same name through the callers' root selector and sub-path.
    const int root = static_cast<int>(name->root);
    const auto again = tzp::platform::ParseRegName(tzp::platform::RegRootPrefix(root) +
                                                   std::string(fullName.substr(slash + 1)));
    FUZZ_CHECK(again && again->key == name->key && again->valueName == name->valueName &&
               again->namesKey == name->namesKey && again->root == name->root);
    return 0;
}
