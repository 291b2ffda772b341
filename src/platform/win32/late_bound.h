#pragma once
// Functions of system libraries that start-up does not use (the shell, the common
// dialogs): their library is loaded at the first call rather than with the program, so
// no start pays for loading and mapping it. This works alike for both bitnesses with
// MinGW and with MSVC, where linker-made delay loading does not.
#include <windows.h>

#include <string>

namespace tzp::platform {

// The function `name` of the system library `library`, loaded from the system folder
// only (never from the program's or the current folder: the program runs elevated);
// nullptr when either cannot be found. The library is named by its full path: a bare
// name would also match a library of that name already loaded from anywhere else (one
// planted beside the program, that another library pulled in). Callers keep the result in
// a function-local static, so each library is looked up once.
template <typename Function>
Function* LateBound(const wchar_t* library, const char* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + library;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tzp::platform
