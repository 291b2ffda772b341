#pragma once
// Registry access by root and sub-path, the way every caller names entries. The logic
// names the root (kRootClasses, ...); the selector numbers of the registry tools remain
// for the tests and test programs: 0 HKCR, 1 HKCU, 2 HKLM, 3 HKEY_USERS,
// 4 HKEY_CURRENT_CONFIG.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tzp::platform {

inline constexpr std::string_view kErreur = "Erreur";

inline constexpr RegRoot kRootClasses = RegRoot::ClassesRoot;
inline constexpr RegRoot kRootCurrentUser = RegRoot::CurrentUser;
inline constexpr RegRoot kRootLocalMachine = RegRoot::LocalMachine;

// The root a selector number names; nullopt for a number that names none.
std::optional<RegRoot> RegRootOfNumber(int32_t root);

// "HKCR\", "HKCU\", "HKLM\", "HKEY_USERS\", "HKEY_CURRENT_CONFIG\"; for a number
// that names no root, "".
std::string RegRootPrefix(RegRoot root);
std::string RegRootPrefix(int32_t root);

// Each call below takes the root as the logic names it, or as a selector number; a
// number that names no root names no entry.

// The value as text, or `defaultText` when it cannot be read for any reason.
std::string ReadRegValue(RegistryService& registry, RegRoot root, std::string_view subPath,
                         std::string_view defaultText);
std::string ReadRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                         std::string_view defaultText);

// Type codes 0 REG_SZ, 1 REG_DWORD, 2 REG_BINARY, 3 REG_EXPAND_SZ; any other code
// writes nothing and succeeds. Other failures reach the caller.
Status WriteRegValue(RegistryService& registry, RegRoot root, std::string_view subPath,
                     std::string_view value, int32_t typeCode);
Status WriteRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                     std::string_view value, int32_t typeCode);

// Every failure (a missing entry included) is ignored.
void DeleteRegEntry(RegistryService& registry, RegRoot root, std::string_view subPath);
void DeleteRegEntry(RegistryService& registry, int32_t root, std::string_view subPath);

}  // namespace tzp::platform
