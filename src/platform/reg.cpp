#include "platform/reg.h"

#include <array>

namespace tzp::platform {

namespace {

// The selector numbers in order, 0 HKCR to 4 HKEY_CURRENT_CONFIG.
constexpr std::array<RegRoot, 5> kRootsByNumber{RegRoot::ClassesRoot, RegRoot::CurrentUser,
                                                RegRoot::LocalMachine, RegRoot::Users,
                                                RegRoot::CurrentConfig};

// The name goes through the same parse as a full name, so that the trailing-backslash
// rule and the refusal of empty key names hold for these calls too.
std::optional<RegName> FullName(RegRoot root, std::string_view subPath) {
    std::string full = RegRootPrefix(root);
    full += subPath;
    return ParseRegName(full);
}

std::optional<RegName> FullName(int32_t root, std::string_view subPath) {
    const auto known = RegRootOfNumber(root);
    return known ? FullName(*known, subPath) : std::nullopt;
}

std::string Read(RegistryService& registry, const std::optional<RegName>& name,
                 std::string_view defaultText) {
    auto value = name ? registry.Read(*name) : std::nullopt;
    return value ? std::move(*value) : std::string(defaultText);
}

std::optional<RegType> TypeOfCode(int32_t typeCode) {
    switch (typeCode) {
        case 0:
            return RegType::String;
        case 1:
            return RegType::Dword;
        case 2:
            return RegType::Binary;
        case 3:
            return RegType::ExpandString;
        default:
            return std::nullopt;
    }
}

// An unknown type code writes nothing and succeeds, whatever the name.
Status Write(RegistryService& registry, const std::optional<RegName>& name, std::string_view value,
             int32_t typeCode) {
    const auto type = TypeOfCode(typeCode);
    if (!type) {
        return Status::Ok();
    }
    if (!name) {
        return Status::Fail(kErrorInvalidParameter);
    }
    return registry.Write(*name, value, *type);
}

void Delete(RegistryService& registry, const std::optional<RegName>& name) {
    if (name) {
        (void)registry.Delete(*name);
    }
}

}  // namespace

std::optional<RegRoot> RegRootOfNumber(int32_t root) {
    if (root < 0 || static_cast<size_t>(root) >= kRootsByNumber.size()) {
        return std::nullopt;
    }
    return kRootsByNumber[static_cast<size_t>(root)];
}

std::string RegRootPrefix(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot:
            return "HKCR\\";
        case RegRoot::CurrentUser:
            return "HKCU\\";
        case RegRoot::LocalMachine:
            return "HKLM\\";
        case RegRoot::Users:
            return "HKEY_USERS\\";
        case RegRoot::CurrentConfig:
            return "HKEY_CURRENT_CONFIG\\";
    }
    return "";
}

std::string RegRootPrefix(int32_t root) {
    const auto known = RegRootOfNumber(root);
    return known ? RegRootPrefix(*known) : std::string();
}

std::string ReadRegValue(RegistryService& registry, RegRoot root, std::string_view subPath,
                         std::string_view defaultText) {
    return Read(registry, FullName(root, subPath), defaultText);
}

std::string ReadRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                         std::string_view defaultText) {
    return Read(registry, FullName(root, subPath), defaultText);
}

Status WriteRegValue(RegistryService& registry, RegRoot root, std::string_view subPath,
                     std::string_view value, int32_t typeCode) {
    return Write(registry, FullName(root, subPath), value, typeCode);
}

Status WriteRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                     std::string_view value, int32_t typeCode) {
    return Write(registry, FullName(root, subPath), value, typeCode);
}

void DeleteRegEntry(RegistryService& registry, RegRoot root, std::string_view subPath) {
    Delete(registry, FullName(root, subPath));
}

void DeleteRegEntry(RegistryService& registry, int32_t root, std::string_view subPath) {
    Delete(registry, FullName(root, subPath));
}

}  // namespace tzp::platform
