# Cross-compiling the shipped 32-bit build; its programs run under Wine's 32-bit Wine
# (wine32:i386) in a 64-bit prefix, as under WOW64 on 64-bit Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TZP_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
