#include "platform/win32/token_user_win32.h"

#include "platform/win32/handles.h"

namespace tzp::platform {

std::unique_ptr<BYTE[]> ReadTokenUser() {
    UniqueHandleT token;
    DWORD size = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.out())) {
        return nullptr;
    }
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0) {
        return nullptr;
    }
    auto buffer = std::make_unique<BYTE[]>(size);
    if (!GetTokenInformation(token.get(), TokenUser, buffer.get(), size, &size)) {
        return nullptr;
    }
    return buffer;
}

}  // namespace tzp::platform
