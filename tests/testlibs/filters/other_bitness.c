/* A library built for the other bitness than the tests: 32-bit beside a 64-bit build,
   64-bit beside a 32-bit one. The loader refuses it before any of it runs. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer(void) {
    return S_OK;
}
