/* A filter library whose registration needs a library beside it. */
#include <windows.h>

__declspec(dllimport) int TzpHelperValue(void);

__declspec(dllexport) HRESULT WINAPI DllRegisterServer(void) {
    return TzpHelperValue() == 42 ? S_OK : E_FAIL;
}
