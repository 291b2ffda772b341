#pragma once
// The registry as the control panel sees it: one entry at a time, named by a full
// registry name such as "HKCU\SOFTWARE\Tessaly Zivozod Pack\cpllang".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace tzp::platform {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// A full registry name taken apart. A name that ends with a backslash names a key, and
// reading or writing it means the key's default (unnamed) value; any other name names
// a value whose key is everything before the last backslash.
struct RegName {
    RegRoot root = RegRoot::ClassesRoot;
    std::string key;        // path below the root, no leading or trailing backslash
    std::string valueName;  // empty for the default value
    bool namesKey = false;  // true when the full name ended with a backslash
    // The registry of the system's own bitness, whatever this program's: on 64-bit
    // Windows a 32-bit program's HKLM\SOFTWARE is otherwise WOW6432Node, which the
    // system's 64-bit parts (the Settings app among them) never read. On 32-bit Windows
    // there is one registry and this changes nothing.
    bool systemView = false;
    // The 32-bit registry whatever this program's bitness, as 32-bit programs see it:
    // the 64-bit build reads what a 32-bit player reads through it.
    bool wow32View = false;
};

// Accepts the short ("HKCR\", "HKCU\", "HKLM\") and the long root spellings, in any
// letter case. A name without a known root names nothing, and so does one with an empty
// key name: a backslash right after the root, or two backslashes in a row anywhere.
std::optional<RegName> ParseRegName(std::string_view fullName);

enum class RegType { String, Dword, Binary, ExpandString };

// The registry's own type codes of the values a registry file may set.
inline constexpr uint32_t kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4,
                          kRegMultiSz = 7, kRegQword = 11;

// A value as the registry stores it: its type code and its bytes, strings in UTF-16LE
// with whatever terminator they were stored with.
struct RegData {
    uint32_t type = kRegNone;
    std::string bytes;
    bool operator==(const RegData&) const = default;
};

// What the registry holds under a name: whether its key exists, and the value's data
// when the value exists and can be read.
struct RegLookup {
    bool keyExists = false;
    std::optional<RegData> value;
};

// One value of a key, by name ("" for the default value).
struct RegNamedValue {
    std::string name;
    RegData data;
};

class RegistryService {
  public:
    virtual ~RegistryService() = default;
    // The value as text: a string as stored, a number as its decimal digits. Absent
    // (nullopt) when the key or value is missing, unreadable, or has no text form.
    virtual std::optional<std::string> Read(const RegName& name) = 0;
    // Creates the keys on the way as needed.
    virtual Status Write(const RegName& name, std::string_view value, RegType type) = 0;
    // Deletes the value, or the key when the name names a key.
    virtual Status Delete(const RegName& name) = 0;
    // The value with its type and raw data, for comparing it with what a registry file
    // sets; a name that names a key looks at the key's default value.
    virtual RegLookup ReadData(const RegName& name) = 0;
    // The names of the subkeys of the key `name` names (its value name is ignored), and
    // every value of that key with its data; nullopt when the key cannot be opened.
    virtual std::optional<std::vector<std::string>> SubKeyNames(const RegName& name) = 0;
    virtual std::optional<std::vector<RegNamedValue>> Values(const RegName& name) = 0;
};

}  // namespace tzp::platform
