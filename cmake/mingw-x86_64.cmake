# 64-bit Windows: MinGW-w64 x86_64 (Debian's g++-mingw-w64-x86-64). Runs under wine64, which
# proves the real Win32 calls; the product itself is the 32-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TARMELON_MINGW_PREFIX x86_64-w64-mingw32)
# GoogleTest needs std::mutex, which GCC 12's win32 thread model lacks; winpthread is linked
# statically, and the import checks make sure of it.
set(TARMELON_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Test programs run under 64-bit Wine; the test scripts set WINEPREFIX and WINEDEBUG.
find_program(TARMELON_WINE64 NAMES wine64 wine PATHS /usr/lib/wine /usr/bin)
if(TARMELON_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARMELON_WINE64})
endif()
