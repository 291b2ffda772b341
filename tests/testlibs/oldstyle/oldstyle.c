/* A library whose version resource is an old-style one, as 16-bit tools wrote it: ANSI
 * keys and texts and no type field. The system's version API converts such texts to
 * UTF-16 into room after the block, which a reader must have left. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
