/* Writes "<bits of the observed process> <its process id>" to the file its argument
   names: probe.exe observes its parent (the cmd that ran it); probe.dll, run as
   "Rundll32.exe probe.dll,Note <file>", observes the Rundll32 it is loaded into, and its
   parent, as "<bits> <process id> <parent's process id>". */
#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>

static DWORD ParentOf(DWORD processId) {
    DWORD parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            parent = entry.th32ParentProcessID;
            break;
        }
    }
    CloseHandle(snapshot);
    return parent;
}

/* 32 for a process under WOW64, 64 for a native one (the tests run on 64-bit Windows);
   0 when it cannot be asked. */
static int BitsOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == NULL) {
        return 0;
    }
    BOOL wow64 = FALSE;
    const BOOL asked = IsWow64Process(process, &wow64);
    CloseHandle(process);
    return asked ? (wow64 ? 32 : 64) : 0;
}

static void Write(const char* path, const char* text) {
    FILE* file = fopen(path, "wb");
    if (file != NULL) {
        fputs(text, file);
        fclose(file);
    }
}

#ifdef TZP_PROBE_LIBRARY

/* Rundll32's entry point: a callback of the system's, with its calling convention. */
__declspec(dllexport) void CALLBACK
    Note(HWND window, HINSTANCE instance, LPSTR arguments, int show) {
    (void)window;
    (void)instance;
    (void)show;
    const DWORD self = GetCurrentProcessId();
    char text[64];
    snprintf(text, sizeof text, "%d %lu %lu", BitsOf(self), (unsigned long)self,
             (unsigned long)ParentOf(self));
    Write(arguments, text);
}

#else

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const DWORD parent = ParentOf(GetCurrentProcessId());
    char text[64];
    snprintf(text, sizeof text, "%d %lu", BitsOf(parent), (unsigned long)parent);
    Write(argv[1], text);
    return 0;
}

#endif
