#pragma once
// The user this program runs as, as the access lists it writes name it.
#include <windows.h>

#include <memory>

namespace tzp::platform {

// The process token's user (a TOKEN_USER); null when it cannot be read.
std::unique_ptr<BYTE[]> ReadTokenUser();

// The user's SID within what ReadTokenUser returned.
inline PSID TokenUserSid(const std::unique_ptr<BYTE[]>& user) {
    return reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid;
}

}  // namespace tzp::platform
