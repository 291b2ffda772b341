/* The library the dependent filter library imports, found in their shared folder only. */
__declspec(dllexport) int TzpHelperValue(void) {
    return 42;
}
