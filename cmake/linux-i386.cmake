# 32-bit Linux (g++ -m32 from g++-multilib): the module, the stand-ins and the bench with
# the real 32-bit calling conventions and record layouts. This machine's kernel runs no
# 32-bit programs, so tests run under user-mode QEMU with the host's 32-bit libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32")
set(CMAKE_CXX_FLAGS_INIT "-m32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
find_program(TARMELON_QEMU_I386 NAMES qemu-i386 qemu-i386-static)
if(TARMELON_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARMELON_QEMU_I386} -L /)
endif()
# 64-bit host packages must not be picked up; GoogleTest comes from source (GTest_DIR).
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu/cmake /usr/lib/x86_64-linux-gnu)
