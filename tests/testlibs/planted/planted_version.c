/* The planted version.dll: a marker file beside it ("version-used.marker") says that its
 * code ran for the program; its functions are the system's own, looked up by the system
 * folder's full path (a bare name would find this very library).
 *
 * The marker is left when the program's own code calls it, rather than when the library
 * is loaded: under Wine the system's own user32 imports version.dll (and reads the
 * program's version with it), so every windowed program loads a planted copy at start,
 * which Windows' user32 does not do. What the program itself does is what tells: an
 * import of version.dll, or a late-bound lookup by bare name, binds its calls to the
 * planted copy; a lookup by the system folder's path never. The marker holds the names
 * of the functions called, one a line. */
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

static void LeaveMarker(const char* function, void* caller);

static FARPROC SystemFunction(const char* name, void* caller) {
    HMODULE module = SystemVersion();
    LeaveMarker(name, caller);
    return module != NULL ? GetProcAddress(module, name) : NULL;
}

typedef DWORD(WINAPI* SizeW)(LPCWSTR, LPDWORD);
typedef BOOL(WINAPI* InfoW)(LPCWSTR, DWORD, DWORD, LPVOID);
typedef DWORD(WINAPI* SizeExW)(DWORD, LPCWSTR, LPDWORD);
typedef BOOL(WINAPI* InfoExW)(DWORD, LPCWSTR, DWORD, DWORD, LPVOID);
typedef BOOL(WINAPI* QueryW)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR file, LPDWORD handle) {
    SizeW f = (SizeW)(void (*)(void))SystemFunction("GetFileVersionInfoSizeW",
                                                    __builtin_return_address(0));
    return f != NULL ? f(file, handle) : 0;
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD length, LPVOID data) {
    InfoW f =
        (InfoW)(void (*)(void))SystemFunction("GetFileVersionInfoW", __builtin_return_address(0));
    return f != NULL && f(file, handle, length, data);
}

DWORD WINAPI GetFileVersionInfoSizeExW(DWORD flags, LPCWSTR file, LPDWORD handle) {
    SizeExW f = (SizeExW)(void (*)(void))SystemFunction("GetFileVersionInfoSizeExW",
                                                        __builtin_return_address(0));
    return f != NULL ? f(flags, file, handle) : 0;
}

BOOL WINAPI GetFileVersionInfoExW(DWORD flags, LPCWSTR file, DWORD handle, DWORD length,
                                  LPVOID data) {
    InfoExW f = (InfoExW)(void (*)(void))SystemFunction("GetFileVersionInfoExW",
                                                        __builtin_return_address(0));
    return f != NULL && f(flags, file, handle, length, data);
}

BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, PUINT length) {
    QueryW f =
        (QueryW)(void (*)(void))SystemFunction("VerQueryValueW", __builtin_return_address(0));
    return f != NULL && f(block, subBlock, buffer, length);
}

static HINSTANCE self;

static void LeaveMarker(const char* function, void* caller) {
    HMODULE from = NULL;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            (LPCWSTR)caller, &from) ||
        from != GetModuleHandleW(NULL)) {
        return; /* a system library's own call */
    }
    wchar_t path[MAX_PATH + 32];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        wchar_t* slash = path + length;
        while (slash > path && slash[-1] != L'\\') {
            --slash;
        }
        lstrcpyW(slash, L"version-used.marker");
        HANDLE marker =
            CreateFileW(path, FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (marker != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(marker, function, (DWORD)lstrlenA(function), &written, NULL);
            WriteFile(marker, "\r\n", 2, &written, NULL);
            CloseHandle(marker);
        }
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
    }
    return TRUE;
}
