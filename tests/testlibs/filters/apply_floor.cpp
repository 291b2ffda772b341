// The floor of an apply as the user sees it: plain Win32 calls only, no project code. A
// window, the question, the bare loop over the libraries of one folder (load, entry point
// on a thread, wait, release), then the closing message; again until the question is
// answered No. Registers on odd rounds and unregisters on even ones, as the benchmark's
// rounds of the program do. Argument: the folder of the libraries, without a backslash.
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Tessaly Zivozod Pack Control Panel";

std::vector<std::wstring> LibrariesIn(const std::wstring& folder) {
    std::vector<std::wstring> paths;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return paths;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            paths.push_back(folder + L"\\" + found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return paths;
}

DWORD WINAPI RunEntryPoint(LPVOID entry) {
    using EntryPoint = HRESULT(STDAPICALLTYPE*)();
    return static_cast<DWORD>(reinterpret_cast<EntryPoint>(entry)());
}

void BareLoop(const std::vector<std::wstring>& libraries, const char* entryName) {
    for (const auto& path : libraries) {
        const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (module == nullptr) {
            continue;
        }
        if (const FARPROC entry = GetProcAddress(module, entryName)) {
            const HANDLE thread = CreateThread(nullptr, 0, RunEntryPoint,
                                               reinterpret_cast<LPVOID>(entry), 0, nullptr);
            if (thread != nullptr) {
                WaitForSingleObject(thread, 10000);
                CloseHandle(thread);
            }
        }
        FreeLibrary(module);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const auto libraries = LibrariesIn(__argc > 1 ? __wargv[1] : L".");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TzpApplyFloor";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(L"TzpApplyFloor", kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    for (int round = 1;; ++round) {
        if (MessageBoxW(window, L"Apply the filter settings now?", kTitle,
                        MB_YESNO | MB_ICONQUESTION) != IDYES) {
            break;
        }
        BareLoop(libraries, round % 2 == 1 ? "DllRegisterServer" : "DllUnregisterServer");
        MessageBoxW(window, L"The filter settings have been applied.", kTitle,
                    MB_OK | MB_ICONINFORMATION);
    }
    DestroyWindow(window);
    return 0;
}
