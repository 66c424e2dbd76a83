# Shared part of the MinGW-w64 toolchain files. TARMELON_MINGW_THREADS picks Debian's
# thread-model variant of the compilers (win32: no threading library at all; posix: std::mutex
# and std::thread through winpthread, linked statically); falls back to the plain names.
foreach(tool_lang IN ITEMS C CXX)
  if(tool_lang STREQUAL "C")
    set(tool_name gcc)
  else()
    set(tool_name g++)
  endif()
  find_program(TARMELON_${tool_lang}_COMPILER
    NAMES ${TARMELON_MINGW_PREFIX}-${tool_name}-${TARMELON_MINGW_THREADS} ${TARMELON_MINGW_PREFIX}-${tool_name}
    REQUIRED)
  set(CMAKE_${tool_lang}_COMPILER ${TARMELON_${tool_lang}_COMPILER})
endforeach()
find_program(CMAKE_RC_COMPILER NAMES ${TARMELON_MINGW_PREFIX}-windres REQUIRED)
find_program(TARMELON_OBJDUMP NAMES ${TARMELON_MINGW_PREFIX}-objdump objdump)
set(CMAKE_OBJDUMP ${TARMELON_OBJDUMP} CACHE FILEPATH "objdump for the target")

set(CMAKE_FIND_ROOT_PATH /usr/${TARMELON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into each binary: a pilot's machine has none of MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
