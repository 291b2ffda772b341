/* The planted version.dll: a marker file beside it ("version-loaded.marker") says it was
 * loaded; its functions are the system's own, looked up by the system folder's full path
 * (a bare name would find this very library). */
#include <windows.h>

static HMODULE SystemVersion(void) {
    static HMODULE module;
    if (module == NULL) {
        wchar_t path[MAX_PATH + 16];
        const UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return NULL;
        }
        lstrcatW(path, L"\\version.dll");
        module = LoadLibraryW(path);
    }
    return module;
}

static FARPROC SystemFunction(const char* name) {
    HMODULE module = SystemVersion();
    return module != NULL ? GetProcAddress(module, name) : NULL;
}

typedef DWORD(WINAPI* SizeW)(LPCWSTR, LPDWORD);
typedef BOOL(WINAPI* InfoW)(LPCWSTR, DWORD, DWORD, LPVOID);
typedef DWORD(WINAPI* SizeExW)(DWORD, LPCWSTR, LPDWORD);
typedef BOOL(WINAPI* InfoExW)(DWORD, LPCWSTR, DWORD, DWORD, LPVOID);
typedef BOOL(WINAPI* QueryW)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR file, LPDWORD handle) {
    SizeW f = (SizeW)(void*)SystemFunction("GetFileVersionInfoSizeW");
    return f != NULL ? f(file, handle) : 0;
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD length, LPVOID data) {
    InfoW f = (InfoW)(void*)SystemFunction("GetFileVersionInfoW");
    return f != NULL && f(file, handle, length, data);
}

DWORD WINAPI GetFileVersionInfoSizeExW(DWORD flags, LPCWSTR file, LPDWORD handle) {
    SizeExW f = (SizeExW)(void*)SystemFunction("GetFileVersionInfoSizeExW");
    return f != NULL ? f(flags, file, handle) : 0;
}

BOOL WINAPI GetFileVersionInfoExW(DWORD flags, LPCWSTR file, DWORD handle, DWORD length,
                                  LPVOID data) {
    InfoExW f = (InfoExW)(void*)SystemFunction("GetFileVersionInfoExW");
    return f != NULL && f(flags, file, handle, length, data);
}

BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, PUINT length) {
    QueryW f = (QueryW)(void*)SystemFunction("VerQueryValueW");
    return f != NULL && f(block, subBlock, buffer, length);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 32];
        const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            wchar_t* slash = path + length;
            while (slash > path && slash[-1] != L'\\') {
                --slash;
            }
            lstrcpyW(slash, L"version-loaded.marker");
            HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, NULL);
            if (marker != INVALID_HANDLE_VALUE) {
                CloseHandle(marker);
            }
        }
    }
    return TRUE;
}
