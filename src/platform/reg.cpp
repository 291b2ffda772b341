#include "platform/reg.h"

#include <optional>

namespace tzp::platform {

namespace {

std::optional<RegName> FullName(int32_t root, std::string_view subPath) {
    std::string full = RegRootPrefix(root);
    full += subPath;
    return ParseRegName(full);
}

}  // namespace

std::string RegRootPrefix(int32_t root) {
    switch (root) {
        case 0:
            return "HKCR\\";
        case 1:
            return "HKCU\\";
        case 2:
            return "HKLM\\";
        case 3:
            return "HKEY_USERS\\";
        case 4:
            return "HKEY_CURRENT_CONFIG\\";
        default:
            return "";
    }
}

std::string ReadRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                         std::string_view defaultText) {
    const auto name = FullName(root, subPath);
    if (!name) {
        return std::string(defaultText);
    }
    auto value = registry.Read(*name);
    return value ? std::move(*value) : std::string(defaultText);
}

Status WriteRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                     std::string_view value, int32_t typeCode) {
    RegType type;
    switch (typeCode) {
        case 0:
            type = RegType::String;
            break;
        case 1:
            type = RegType::Dword;
            break;
        case 2:
            type = RegType::Binary;
            break;
        case 3:
            type = RegType::ExpandString;
            break;
        default:
            return Status::Ok();
    }
    const auto name = FullName(root, subPath);
    if (!name) {
        return Status::Fail(kErrorInvalidParameter);
    }
    return registry.Write(*name, value, type);
}

void DeleteRegEntry(RegistryService& registry, int32_t root, std::string_view subPath) {
    if (const auto name = FullName(root, subPath)) {
        (void)registry.Delete(*name);
    }
}

}  // namespace tzp::platform
