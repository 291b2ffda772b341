// A stand-in media player for the association tests and the demo, and a stand-in Settings
// app (the handler of ms-settings: links) that records which page it was asked for.
// Started, it appends its whole command line (UTF-8, one line) to a log file and ends:
// the file named by the environment variable TZP_PLAYER_LOG, or else player.log next to
// the program.
#include <windows.h>

#include <string>

namespace {

std::wstring LogPath() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TZP_PLAYER_LOG", fromEnvironment, MAX_PATH) > 0) {
        return fromEnvironment;
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.rfind(L'\\') + 1) + L"player.log";
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

}  // namespace

int wmain() {
    const std::string line = Utf8(GetCommandLineW()) + "\r\n";
    // Several players may be started at once; appends of one write each do not mix.
    HANDLE log = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 50 && log == INVALID_HANDLE_VALUE; ++attempt) {
        log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) {
            Sleep(20);
        }
    }
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
