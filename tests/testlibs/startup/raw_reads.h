#pragma once
// The floor of the personal extensions' cost: the four registry reads of every extension,
// as the program makes them, in one loop of plain RegGetValueW calls. Shared by the
// benchmark, which runs it in its own long-running process, and by the plain window, which
// runs it where the program reads its extensions: in a process just started, right after its
// window is made. Header only, so that the plain window stays free of the program's code.
#include <windows.h>

#include <string>

namespace tzp_bench {

inline constexpr wchar_t kFileExts[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

inline std::wstring Extension(int i) {
    return L".tzpb" + std::to_wstring(i);
}

inline double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / perMs;
}

// One value: RegGetValueW opens, reads and closes. Missing gives "Erreur".
inline std::wstring RawRead(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return L"Erreur";
    }
    return buffer;
}

// The reads of `count` extensions, in milliseconds; negative when they found nothing at all
// (the registry data is missing, so the time means nothing).
inline double RawReads(int count) {
    size_t sink = 0;
    const double begin = NowMs();
    for (int i = 0; i < count; ++i) {
        const std::wstring ext = Extension(i);
        const std::wstring classProgId = RawRead(HKEY_CLASSES_ROOT, ext, nullptr);
        const std::wstring userProgId = RawRead(HKEY_CURRENT_USER, kFileExts + ext, L"ProgId");
        const std::wstring& progId = userProgId != L"Erreur" ? userProgId : classProgId;
        std::wstring verb = RawRead(HKEY_CLASSES_ROOT, progId + L"\\shell", nullptr);
        if (verb == L"Erreur" || verb.empty()) {
            verb = L"open";
        }
        sink +=
            RawRead(HKEY_CLASSES_ROOT, progId + L"\\shell\\" + verb + L"\\command", nullptr).size();
    }
    const double ms = NowMs() - begin;
    return sink == 0 && count > 0 ? -1 : ms;
}

}  // namespace tzp_bench
