#pragma once
// Registry access by root selector and sub-path, the way every caller names entries:
// root 0 HKCR, 1 HKCU, 2 HKLM, 3 HKEY_USERS, 4 HKEY_CURRENT_CONFIG.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tzp::platform {

inline constexpr std::string_view kErreur = "Erreur";

inline constexpr int32_t kRootClasses = 0;
inline constexpr int32_t kRootCurrentUser = 1;
inline constexpr int32_t kRootLocalMachine = 2;

// "HKCR\", "HKCU\", "HKLM\", "HKEY_USERS\", "HKEY_CURRENT_CONFIG\", or "" for others.
std::string RegRootPrefix(int32_t root);

// The value as text, or `defaultText` when it cannot be read for any reason.
std::string ReadRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                         std::string_view defaultText);

// Type codes 0 REG_SZ, 1 REG_DWORD, 2 REG_BINARY, 3 REG_EXPAND_SZ; any other code
// writes nothing and succeeds. Other failures reach the caller.
Status WriteRegValue(RegistryService& registry, int32_t root, std::string_view subPath,
                     std::string_view value, int32_t typeCode);

// Every failure (a missing entry included) is ignored.
void DeleteRegEntry(RegistryService& registry, int32_t root, std::string_view subPath);

}  // namespace tzp::platform
