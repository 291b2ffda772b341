#pragma once
// An in-memory registry with the platform's naming and failure rules: key and value
// names compare without regard to case, a missing key or value reads as absent, and
// values of types with no text form read as absent.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tzp::fakes {

enum class StoredType { String, ExpandString, Dword, Binary, MultiString };

struct StoredValue {
    StoredType type = StoredType::String;
    std::string data;  // text, decimal digits for a DWORD, raw bytes otherwise
};

class FakeRegistry : public platform::RegistryService {
  public:
    std::optional<std::string> Read(const platform::RegName& name) override;
    platform::Status Write(const platform::RegName& name, std::string_view value,
                           platform::RegType type) override;
    platform::Status Delete(const platform::RegName& name) override;
    // Strings as UTF-16LE with their terminator, a DWORD as its four bytes, other data as
    // stored: as the platform gives them.
    platform::RegLookup ReadData(const platform::RegName& name) override;
    // Names as stored: subkey and value names in lower case.
    std::optional<std::vector<std::string>> SubKeyNames(const platform::RegName& name) override;
    std::optional<std::vector<platform::RegNamedValue>> Values(
        const platform::RegName& name) override;

    // Test set-up and inspection by full name ("HKCR\.avi\" for a default value). Names
    // in the system's own view (RegName::systemView) start with "64:", and are kept apart
    // from the others, as for the shipped 32-bit program on 64-bit Windows; the log
    // writes them so too. The 32-bit view (RegName::wow32View) is that program's own.
    void Set(const std::string& fullName, const std::string& value,
             StoredType type = StoredType::String);
    std::optional<StoredValue> Get(const std::string& fullName) const;
    bool KeyExists(const std::string& fullKey) const;
    // Writes below a key prefix (a full key name) fail with access denied.
    void DenyWritesUnder(const std::string& fullKey);

    int reads = 0;
    // Every call in order, by full name as given: "read:HKCR\.avi\",
    // "write:HKCR\P\DefaultIcon\=<value>", "delete:HKCU\...\ProgID".
    std::vector<std::string> log;
    // A user that never looks at the log (a fuzz target, tens of registry calls an
    // input) turns it off: building its names costs more than the calls themselves.
    bool keepLog = true;

  private:
    static std::string KeyId(const platform::RegName& name);
    bool Denied(const std::string& keyId) const;
    void CreateKeyChain(const platform::RegName& name);

    // key id -> (lower-cased value name -> value); "" is the default value
    std::map<std::string, std::map<std::string, StoredValue>> keys_;
    std::set<std::string> denied_;
};

}  // namespace tzp::fakes
