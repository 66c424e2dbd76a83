# 32-bit Windows (the product): MinGW-w64 i686, as shipped by Debian's g++-mingw-w64-i686.
# The win32 thread model keeps any threading library out of the module (it takes no locks).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TARMELON_MINGW_PREFIX i686-w64-mingw32)
set(TARMELON_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
