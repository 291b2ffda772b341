// A stand-in for one of the pack's filter libraries. It does what the control panel
// relies on and nothing more: its entry points register (or remove) the COM classes the
// catalogue lists for its file name, with the library's own full path as the server,
// the way a real DirectShow filter does. Compiled once per file name:
//   TZP_FILTER_FILE        the file name, "ffdshow.ax"
//   TZP_NO_ENTRY_POINTS    exports no entry point at all
//   TZP_ENTRY_POINTS_FAIL  the entry points report "access denied" and change nothing
//   TZP_ENTRY_POINTS_HANG  the entry points never return
//   TZP_ENTRY_POINTS_SLOW  the entry points take kSlowMs before they do their work
//   TZP_ENTRY_POINTS_GATED the entry points signal the event "TzpGateEntered", then wait
//                          (30 s at most) for "TzpGateOpen" before doing their work, so a
//                          test can act on the window while a pass is running
//   TZP_ENTRY_POINTS_WRITE_NULL  the entry points write through a null pointer
//   TZP_ENTRY_POINTS_EXIT_PROCESS the entry points end their process with ExitProcess(7)
//   TZP_ENTRY_POINTS_OVERFLOW    the entry points recurse until the stack overflows
//   TZP_DLLMAIN_CRASHES          DllMain writes through a null pointer as the library loads
//   TZP_DLLMAIN_PROBES_MEMORY    DllMain asks IsBadReadPtr about an address that cannot be
//                                read (the probe raises an exception the system handles),
//                                and loads fine
//   TZP_DLLMAIN_FLOODS_HOST      in a registration host, DllMain writes to the host's
//                                channel without a line end (20 s at most, or until the
//                                channel breaks), then loads fine
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

#include "filters/catalogue.h"

#ifndef TZP_FILTER_FILE
#error "TZP_FILTER_FILE names the library's file"
#endif

namespace {

HMODULE self = nullptr;

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring Widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());  // class ids and file names are ASCII
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The catalogue spells some names differently from the shipped files ("madvr.ax").
bool SameNameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// Runs `action` with the key path "CLSID\{...}" of every class this file serves.
template <typename Action>
HRESULT ForEachClass(Action action) {
    for (const auto& row : tzp::filters::Catalogue()) {
        const std::string_view library = row.library;
        const std::string_view name = library.substr(library.rfind('\\') + 1);
        if (library.empty() || !SameNameNoCase(name, TZP_FILTER_FILE)) {
            continue;
        }
        for (const auto clsid : row.clsids) {
            const HRESULT result = action(L"CLSID\\{" + Widen(clsid) + L"}", row.displayName);
            if (FAILED(result)) {
                return result;
            }
        }
    }
    return S_OK;
}

LSTATUS SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

[[maybe_unused]] HRESULT RegisterClassKey(const std::wstring& classKey,
                                          std::string_view displayName) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, (classKey + L"\\InprocServer32").c_str(), 0,
                                     nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    status = SetString(key, nullptr, OwnPath());
    if (status == ERROR_SUCCESS) {
        status = SetString(key, L"ThreadingModel", L"Both");
    }
    RegCloseKey(key);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeyValueW(HKEY_CLASSES_ROOT, classKey.c_str(), nullptr, REG_SZ,
                                 Widen(displayName).c_str(),
                                 static_cast<DWORD>((displayName.size() + 1) * sizeof(wchar_t)));
    }
    return HRESULT_FROM_WIN32(status);
}

[[maybe_unused]] HRESULT UnregisterClassKey(const std::wstring& classKey, std::string_view) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK
                                                                     : HRESULT_FROM_WIN32(status);
}

// Longer than the short time limit the tests give the runner, shorter than a test's
// patience.
[[maybe_unused]] constexpr DWORD kSlowMs = 3000;

// Through a pointer the compiler cannot see is null, so that the write is really made.
[[maybe_unused]] void WriteThroughNull() {
    volatile int* volatile target = nullptr;
    *target = 1;
}

// Each call keeps a page of stack that the next one cannot reuse; `depth` never runs out
// before the stack does.
[[maybe_unused]] int Deeper(unsigned depth) {
    volatile char page[4096];
    page[0] = static_cast<char>(depth);
    if (depth == 0) {
        return page[0];
    }
    return Deeper(depth + 1) + page[0];
}

// The null page: never mapped, so reading it always faults.
[[maybe_unused]] bool UnreadableAddressIsBad() {
    return IsBadReadPtr(reinterpret_cast<const void*>(static_cast<uintptr_t>(0x100)), 4) != 0;
}

// The pipe a registration host was started with, named at the end of its command line;
// nullptr outside a host.
[[maybe_unused]] HANDLE HostChannel() {
    static constexpr wchar_t kArgument[] = L"/registration-host ";
    const wchar_t* found = std::wcsstr(GetCommandLineW(), kArgument);
    if (found == nullptr) {
        return nullptr;
    }
    const auto value = std::wcstoull(found + (sizeof kArgument / sizeof(wchar_t) - 1), nullptr, 10);
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value));
}

[[maybe_unused]] void FloodHostChannel() {
    const HANDLE channel = HostChannel();
    if (channel == nullptr) {
        return;
    }
    char chunk[4096];
    std::memset(chunk, 'x', sizeof chunk);
    const ULONGLONG until = GetTickCount64() + 20000;
    DWORD written = 0;
    while (GetTickCount64() < until &&
           WriteFile(channel, chunk, sizeof chunk, &written, nullptr) != 0) {
    }
}

[[maybe_unused]] HRESULT Act(bool registering) {
#if defined(TZP_ENTRY_POINTS_WRITE_NULL)
    WriteThroughNull();
#elif defined(TZP_ENTRY_POINTS_EXIT_PROCESS)
    ExitProcess(7);
#elif defined(TZP_ENTRY_POINTS_OVERFLOW)
    if (Deeper(1) == 0) {
        return E_FAIL;
    }
#endif
#if defined(TZP_ENTRY_POINTS_SLOW)
    Sleep(kSlowMs);
#endif
#if defined(TZP_ENTRY_POINTS_HANG)
    (void)registering;
    for (;;) {
        Sleep(INFINITE);
    }
#elif defined(TZP_ENTRY_POINTS_GATED)
    if (HANDLE entered = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TzpGateEntered")) {
        SetEvent(entered);
        CloseHandle(entered);
    }
    if (HANDLE gate = OpenEventW(SYNCHRONIZE, FALSE, L"TzpGateOpen")) {
        WaitForSingleObject(gate, 30000);
        CloseHandle(gate);
    }
    return registering ? ForEachClass(RegisterClassKey) : ForEachClass(UnregisterClassKey);
#elif defined(TZP_ENTRY_POINTS_FAIL)
    (void)registering;
    return E_ACCESSDENIED;
#else
    return registering ? ForEachClass(RegisterClassKey) : ForEachClass(UnregisterClassKey);
#endif
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
        DisableThreadLibraryCalls(instance);
#if defined(TZP_DLLMAIN_CRASHES)
        WriteThroughNull();
#elif defined(TZP_DLLMAIN_PROBES_MEMORY)
        if (!UnreadableAddressIsBad()) {
            return FALSE;  // the probe itself is broken: say so by not loading
        }
#elif defined(TZP_DLLMAIN_FLOODS_HOST)
        FloodHostChannel();
#endif
    }
    return TRUE;
}

#ifndef TZP_NO_ENTRY_POINTS
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
    return Act(true);
}
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return Act(false);
}
#endif
