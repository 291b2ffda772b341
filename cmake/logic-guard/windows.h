// Found before the system's own <windows.h> when the portable logic is compiled: the
// logic talks to the platform through its interfaces only (src/platform/*.h).
#error "the logic (src/* but platform/win32, ui/win32 and app) never includes <windows.h>"
