/* A stand-in for the pack's updater, for the tests and for demonstrations of the update
 * check. It answers the way it is told and leaves the answer in maj.txt beside itself,
 * as the real updater does.
 *
 * It is steered by dod.cfg beside itself (the control panel always starts it with only
 * /TESSAVERSION=...), one "key=value" a line, and by arguments, which win:
 *
 *   answer=<text>    /TZPANSWER=<text>   bytes of maj.txt; \r \n \\ are escapes
 *   noanswer=1       /TZPNOANSWER        leave no maj.txt at all
 *   delay=<ms>       /TZPDELAY=<ms>      run this long before answering
 *   exitcode=<n>     /TZPEXIT=<n>        end with this exit code
 *
 * Without any of them it answers "0" (no newer pack) at once and ends with 0. Its own
 * command line goes to dod-args.txt beside it (UTF-8), so a test can see what it got. */
#include <windows.h>
/* after windows.h, which it needs */
#include <shellapi.h>

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#define MAX_TEXT 4096

static wchar_t g_dir[MAX_PATH];
static char g_answer[MAX_TEXT] = "0\r\n";
static int g_writeAnswer = 1;
static DWORD g_delay = 0;
static UINT g_exitCode = 0;

static void Unescape(const char* from, char* to, size_t size) {
    size_t n = 0;
    for (; *from && n + 1 < size; ++from) {
        if (from[0] == '\\' && from[1] != '\0') {
            ++from;
            to[n++] = *from == 'r' ? '\r' : *from == 'n' ? '\n' : *from;
        } else {
            to[n++] = *from;
        }
    }
    to[n] = '\0';
}

static void Apply(const char* key, const char* value) {
    if (_stricmp(key, "answer") == 0) {
        Unescape(value, g_answer, sizeof g_answer);
        g_writeAnswer = 1;
    } else if (_stricmp(key, "noanswer") == 0) {
        g_writeAnswer = strcmp(value, "0") == 0;
    } else if (_stricmp(key, "delay") == 0) {
        g_delay = (DWORD)strtoul(value, NULL, 10);
    } else if (_stricmp(key, "exitcode") == 0) {
        g_exitCode = (UINT)strtoul(value, NULL, 10);
    }
}

static void PathBeside(const wchar_t* name, wchar_t* path) {
    lstrcpynW(path, g_dir, MAX_PATH);
    lstrcatW(path, name);
}

static char* ReadWholeFile(const wchar_t* path) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return NULL;
    }
    DWORD size = GetFileSize(file, NULL);
    char* bytes = size < MAX_TEXT * 4 ? (char*)calloc(size + 1, 1) : NULL;
    DWORD read = 0;
    if (bytes && !ReadFile(file, bytes, size, &read, NULL)) {
        free(bytes);
        bytes = NULL;
    }
    CloseHandle(file);
    return bytes;
}

static void ReadConfig(void) {
    wchar_t path[MAX_PATH];
    PathBeside(L"dod.cfg", path);
    char* text = ReadWholeFile(path);
    if (!text) {
        return;
    }
    for (char* line = strtok(text, "\r\n"); line; line = strtok(NULL, "\r\n")) {
        char* equals = strchr(line, '=');
        if (equals) {
            *equals = '\0';
            Apply(line, equals + 1);
        }
    }
    free(text);
}

static void ReadArguments(void) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args) {
        return;
    }
    static const struct {
        const wchar_t* prefix;
        const char* key;
    } kOptions[] = {{L"/TZPANSWER=", "answer"},
                    {L"/TZPNOANSWER", "noanswer"},
                    {L"/TZPDELAY=", "delay"},
                    {L"/TZPEXIT=", "exitcode"}};
    for (int i = 1; i < count; ++i) {
        for (size_t o = 0; o < sizeof kOptions / sizeof kOptions[0]; ++o) {
            const size_t length = wcslen(kOptions[o].prefix);
            if (_wcsnicmp(args[i], kOptions[o].prefix, length) == 0) {
                char value[MAX_TEXT];
                WideCharToMultiByte(CP_ACP, 0, args[i] + length, -1, value, sizeof value, NULL,
                                    NULL);
                Apply(kOptions[o].key, strcmp(kOptions[o].key, "noanswer") == 0 ? "1" : value);
            }
        }
    }
    LocalFree(args);
}

static void WriteBeside(const wchar_t* name, const char* bytes, DWORD size) {
    wchar_t path[MAX_PATH];
    PathBeside(name, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, NULL);
    CloseHandle(file);
}

static void RecordCommandLine(void) {
    char line[MAX_TEXT * 2];
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line, NULL, NULL);
    if (size > 0) {
        WriteBeside(L"dod-args.txt", line, (DWORD)(size - 1));
    }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    GetModuleFileNameW(NULL, g_dir, MAX_PATH);
    wchar_t* slash = wcsrchr(g_dir, L'\\');
    if (slash) {
        slash[1] = L'\0';
    }
    RecordCommandLine();
    ReadConfig();
    ReadArguments();
    if (g_delay > 0) {
        Sleep(g_delay);
    }
    if (g_writeAnswer) {
        WriteBeside(L"maj.txt", g_answer, (DWORD)strlen(g_answer));
    }
    return (int)g_exitCode;
}
