#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/reg_number.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace tzp::platform {

namespace {

HKEY RootKey(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegRoot::Users:
            return HKEY_USERS;
        case RegRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
    }
    return HKEY_CURRENT_USER;
}

// Numbers are written from their text, as decimal digits (a leading minus wraps).
std::optional<uint32_t> ParseNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    const auto number = static_cast<uint32_t>(value);
    return negative ? static_cast<uint32_t>(0u - number) : number;
}

// The access a call asks for, in the view its name asks for.
REGSAM Access(const RegName& name, REGSAM access) {
    if (name.wow32View) {
        return access | KEY_WOW64_32KEY;
    }
    return name.systemView ? access | KEY_WOW64_64KEY : access;
}

}  // namespace

std::optional<std::string> Win32Registry::Read(const RegName& name) {
    UniqueKey key;
    if (RegOpenKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0, Access(name, KEY_QUERY_VALUE),
                      key.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring valueName = Widen(name.valueName);
    DWORD type = 0;
    // Most values fit a small buffer, so one query reads them; a longer one tells its
    // size and is read again. Room for a terminator stays after the data either way.
    std::vector<BYTE> data(512);
    DWORD size = static_cast<DWORD>(data.size() - sizeof(wchar_t));
    LSTATUS result =
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) {
        data.assign(size + sizeof(wchar_t), 0);
        result = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, data.data(), &size);
    }
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::wstring text(reinterpret_cast<const wchar_t*>(data.data()),
                              size / sizeof(wchar_t));
            // The stored terminator, and anything a careless writer put after it.
            if (const size_t nul = text.find(L'\0'); nul != std::wstring::npos) {
                text.resize(nul);
            }
            return Narrow(text);
        }
        case REG_DWORD:
        case REG_QWORD:
            // Only the bytes the value has: a short one reads as absent.
            return RegNumberText(std::string_view(reinterpret_cast<const char*>(data.data()), size),
                                 type == REG_DWORD ? 4 : 8);
        default:
            // Binary data and string lists have no text form.
            return std::nullopt;
    }
}

Status Win32Registry::Write(const RegName& name, std::string_view value, RegType type) {
    UniqueKey key;
    LSTATUS result = RegCreateKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0, nullptr, 0,
                                     Access(name, KEY_SET_VALUE), nullptr, key.out(), nullptr);
    if (result != ERROR_SUCCESS) {
        return Status::Fail(static_cast<uint32_t>(result));
    }
    const std::wstring valueName = Widen(name.valueName);
    if (type == RegType::String || type == RegType::ExpandString) {
        const std::wstring text = Widen(value);
        result = RegSetValueExW(key.get(), valueName.c_str(), 0,
                                type == RegType::String ? REG_SZ : REG_EXPAND_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    } else {
        // A number, stored as a DWORD or as its four bytes of binary data.
        const auto number = ParseNumber(value);
        if (!number) {
            return Status::Fail(ERROR_INVALID_PARAMETER);
        }
        const DWORD data = *number;
        result = RegSetValueExW(key.get(), valueName.c_str(), 0,
                                type == RegType::Dword ? REG_DWORD : REG_BINARY,
                                reinterpret_cast<const BYTE*>(&data), sizeof data);
    }
    return result == ERROR_SUCCESS ? Status::Ok() : Status::Fail(static_cast<uint32_t>(result));
}

Status Win32Registry::Delete(const RegName& name) {
    LSTATUS result;
    if (name.namesKey) {
        result = RegDeleteKeyExW(RootKey(name.root), Widen(name.key).c_str(), Access(name, 0), 0);
    } else {
        UniqueKey key;
        result = RegOpenKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0,
                               Access(name, KEY_SET_VALUE), key.out());
        if (result == ERROR_SUCCESS) {
            result = RegDeleteValueW(key.get(), Widen(name.valueName).c_str());
        }
    }
    return result == ERROR_SUCCESS ? Status::Ok() : Status::Fail(static_cast<uint32_t>(result));
}

RegLookup Win32Registry::ReadData(const RegName& name) {
    RegLookup lookup;
    UniqueKey key;
    const LSTATUS opened = RegOpenKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0,
                                         Access(name, KEY_QUERY_VALUE), key.out());
    // A key we may not read is there all the same.
    lookup.keyExists = opened != ERROR_FILE_NOT_FOUND && opened != ERROR_PATH_NOT_FOUND;
    if (opened != ERROR_SUCCESS) {
        return lookup;
    }
    const std::wstring valueName = Widen(name.valueName);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS result = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> data;
    // The value may grow between the two queries; its new size is then asked again.
    for (int attempt = 0; attempt < 4 && result == ERROR_SUCCESS; ++attempt) {
        data.assign(size, 0);
        result = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, data.data(), &size);
        if (result == ERROR_SUCCESS) {
            lookup.value = RegData{type, std::string(data.begin(), data.begin() + size)};
            break;
        }
        if (result == ERROR_MORE_DATA) {
            result = ERROR_SUCCESS;
        }
    }
    return lookup;
}

namespace {

// The longest key and value names the registry allows, in characters with the terminator.
constexpr DWORD kMaxKeyName = 256;
constexpr DWORD kMaxValueName = 16384;

}  // namespace

std::optional<std::vector<std::string>> Win32Registry::SubKeyNames(const RegName& name) {
    UniqueKey key;
    if (RegOpenKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0,
                      Access(name, KEY_ENUMERATE_SUB_KEYS), key.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::wstring buffer(kMaxKeyName, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kMaxKeyName;
        const LSTATUS result = RegEnumKeyExW(key.get(), index, buffer.data(), &length, nullptr,
                                             nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) {
            return names;
        }
        if (result == ERROR_SUCCESS) {
            names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
        }
    }
}

std::optional<std::vector<RegNamedValue>> Win32Registry::Values(const RegName& name) {
    UniqueKey key;
    if (RegOpenKeyExW(RootKey(name.root), Widen(name.key).c_str(), 0, Access(name, KEY_QUERY_VALUE),
                      key.out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<RegNamedValue> values;
    std::wstring valueName(kMaxValueName, L'\0');
    std::vector<BYTE> data(4096);
    for (DWORD index = 0;;) {
        DWORD nameLength = kMaxValueName;
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        const LSTATUS result = RegEnumValueW(key.get(), index, valueName.data(), &nameLength,
                                             nullptr, &type, data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS) {
            return values;
        }
        if (result == ERROR_MORE_DATA) {
            // The same value again with room for its data.
            data.resize(std::max<size_t>(size, data.size() * 2));
            continue;
        }
        if (result == ERROR_SUCCESS) {
            values.push_back({Narrow(std::wstring_view(valueName.data(), nameLength)),
                              RegData{type, std::string(data.begin(), data.begin() + size)}});
        }
        ++index;
    }
}

}  // namespace tzp::platform
