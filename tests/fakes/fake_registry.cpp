#include "fakes/fake_registry.h"

#include <stdexcept>

#include "platform/text.h"
#include "platform/utf16.h"
#include "platform/utf8.h"

namespace tzp::fakes {

using platform::RegName;
using platform::Status;

std::string FakeRegistry::KeyId(const RegName& name) {
    std::string id;
    id.reserve(name.key.size() + 3);
    id += static_cast<char>('0' + static_cast<int>(name.root));
    if (name.systemView) {
        id += 's';
    }
    id += '\\';
    id += platform::UnicodeLower(name.key);
    return id;
}

namespace {

// Names in the system's own view are told apart by this prefix, in the log and in the
// set-up and inspection calls.
constexpr const char* kSystemView = "64:";

std::optional<RegName> ParseFakeName(std::string_view fullName) {
    const bool systemView = fullName.starts_with(kSystemView);
    if (systemView) {
        fullName.remove_prefix(std::string_view(kSystemView).size());
    }
    auto name = platform::ParseRegName(fullName);
    if (name) {
        name->systemView = systemView;
    }
    return name;
}

std::string LogName(const RegName& name) {
    static constexpr const char* kRoots[] = {"HKCR\\", "HKCU\\", "HKLM\\", "HKEY_USERS\\",
                                             "HKEY_CURRENT_CONFIG\\"};
    std::string full = std::string(name.systemView ? kSystemView : "") +
                       kRoots[static_cast<int>(name.root)] + name.key + "\\";
    return name.namesKey ? full : full + name.valueName;
}

}  // namespace

namespace {

// Strings as UTF-16LE with their terminator, a DWORD as its four bytes, other data as
// stored: as the platform gives them.
platform::RegData AsRegData(const StoredValue& stored) {
    switch (stored.type) {
        case StoredType::String:
        case StoredType::ExpandString:
            return platform::RegData{
                stored.type == StoredType::String ? platform::kRegSz : platform::kRegExpandSz,
                platform::CodePointsToUtf16Le(platform::Utf8ToCodePoints(stored.data)) +
                    std::string(2, '\0')};
        case StoredType::Dword: {
            const auto number = static_cast<uint32_t>(std::stoull(stored.data));
            std::string bytes;
            for (int shift = 0; shift < 32; shift += 8) {
                bytes.push_back(static_cast<char>((number >> shift) & 0xFF));
            }
            return platform::RegData{platform::kRegDword, bytes};
        }
        case StoredType::Binary:
            return platform::RegData{platform::kRegBinary, stored.data};
        case StoredType::MultiString:
            return platform::RegData{platform::kRegMultiSz, stored.data};
    }
    return {};
}

}  // namespace

bool FakeRegistry::Denied(const std::string& keyId) const {
    for (const auto& prefix : denied_) {
        if (keyId == prefix || keyId.rfind(prefix + "\\", 0) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> FakeRegistry::Read(const RegName& name) {
    ++reads;
    if (keepLog) {
        log.push_back("read:" + LogName(name));
    }
    const auto key = keys_.find(KeyId(name));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(platform::UnicodeLower(name.valueName));
    if (value == key->second.end()) {
        return std::nullopt;
    }
    switch (value->second.type) {
        case StoredType::String:
        case StoredType::ExpandString:
        case StoredType::Dword:
            return value->second.data;
        default:
            return std::nullopt;
    }
}

platform::RegLookup FakeRegistry::ReadData(const RegName& name) {
    ++reads;
    log.push_back("readData:" + LogName(name));
    platform::RegLookup lookup;
    const auto key = keys_.find(KeyId(name));
    if (key == keys_.end()) {
        return lookup;
    }
    lookup.keyExists = true;
    const auto value = key->second.find(platform::UnicodeLower(name.valueName));
    if (value == key->second.end()) {
        return lookup;
    }
    lookup.value = AsRegData(value->second);
    return lookup;
}

std::optional<std::vector<std::string>> FakeRegistry::SubKeyNames(const RegName& name) {
    ++reads;
    const std::string id = KeyId(name);
    auto key = keys_.find(id);
    if (key == keys_.end()) {
        return std::nullopt;
    }
    // Subkeys sort right after their parent, deeper ones among them.
    std::vector<std::string> names;
    for (++key; key != keys_.end() && key->first.starts_with(id + "\\"); ++key) {
        const std::string rest = key->first.substr(id.size() + 1);
        if (rest.find('\\') == std::string::npos) {
            names.push_back(rest);
        }
    }
    return names;
}

std::optional<std::vector<platform::RegNamedValue>> FakeRegistry::Values(const RegName& name) {
    ++reads;
    const auto key = keys_.find(KeyId(name));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    std::vector<platform::RegNamedValue> values;
    for (const auto& [valueName, stored] : key->second) {
        values.push_back({valueName, AsRegData(stored)});
    }
    return values;
}

void FakeRegistry::CreateKeyChain(const RegName& name) {
    // Keys on the way are created as needed, as the platform does.
    RegName on = name;
    for (size_t slash = name.key.find('\\'); slash != std::string::npos;
         slash = name.key.find('\\', slash + 1)) {
        on.key = name.key.substr(0, slash);
        keys_[KeyId(on)];
    }
    keys_[KeyId(name)];
}

Status FakeRegistry::Write(const RegName& name, std::string_view value, platform::RegType type) {
    if (keepLog) {
        log.push_back("write:" + LogName(name) + "=" + std::string(value));
    }
    const std::string id = KeyId(name);
    if (Denied(id)) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    StoredValue stored;
    stored.data = std::string(value);
    switch (type) {
        case platform::RegType::String:
            stored.type = StoredType::String;
            break;
        case platform::RegType::ExpandString:
            stored.type = StoredType::ExpandString;
            break;
        case platform::RegType::Dword:
            stored.type = StoredType::Dword;
            try {
                stored.data = std::to_string(static_cast<uint32_t>(std::stoll(stored.data)));
            } catch (const std::exception&) {
                return Status::Fail(platform::kErrorInvalidParameter);
            }
            break;
        case platform::RegType::Binary:
            stored.type = StoredType::Binary;
            break;
    }
    CreateKeyChain(name);
    keys_[id][platform::UnicodeLower(name.valueName)] = stored;
    return Status::Ok();
}

Status FakeRegistry::Delete(const RegName& name) {
    if (keepLog) {
        log.push_back("delete:" + LogName(name));
    }
    const std::string id = KeyId(name);
    if (Denied(id)) {
        return Status::Fail(platform::kErrorAccessDenied);
    }
    const auto key = keys_.find(id);
    if (key == keys_.end()) {
        return Status::Fail(platform::kErrorFileNotFound);
    }
    if (name.namesKey) {
        // Like the platform, a key with subkeys cannot be deleted this way.
        const auto next = std::next(key);
        if (next != keys_.end() && next->first.rfind(id + "\\", 0) == 0) {
            return Status::Fail(platform::kErrorAccessDenied);
        }
        keys_.erase(key);
        return Status::Ok();
    }
    if (key->second.erase(platform::UnicodeLower(name.valueName)) == 0) {
        return Status::Fail(platform::kErrorFileNotFound);
    }
    return Status::Ok();
}

void FakeRegistry::Set(const std::string& fullName, const std::string& value, StoredType type) {
    const auto name = ParseFakeName(fullName);
    if (!name) {
        throw std::invalid_argument("bad registry name " + fullName);
    }
    CreateKeyChain(*name);
    keys_[KeyId(*name)][platform::UnicodeLower(name->valueName)] = {type, value};
}

std::optional<StoredValue> FakeRegistry::Get(const std::string& fullName) const {
    const auto name = ParseFakeName(fullName);
    if (!name) {
        return std::nullopt;
    }
    const auto key = keys_.find(KeyId(*name));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(platform::UnicodeLower(name->valueName));
    if (value == key->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

namespace {

std::string AsKeyName(std::string fullKey) {
    if (fullKey.empty() || fullKey.back() != '\\') {
        fullKey += '\\';
    }
    return fullKey;
}

}  // namespace

bool FakeRegistry::KeyExists(const std::string& fullKey) const {
    const auto name = ParseFakeName(AsKeyName(fullKey));
    return name && keys_.count(KeyId(*name)) != 0;
}

void FakeRegistry::DenyWritesUnder(const std::string& fullKey) {
    const auto name = ParseFakeName(AsKeyName(fullKey));
    if (!name) {
        throw std::invalid_argument("bad registry name " + fullKey);
    }
    denied_.insert(KeyId(*name));
}

}  // namespace tzp::fakes
