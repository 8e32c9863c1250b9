# Cross-compiling for 64-bit Windows with Debian's mingw-w64, POSIX threads
# flavour. Programs and libraries link the compiler's runtime as DLLs
# (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll), which Qt for
# Windows, built with this file, shares with the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KVB_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KVB_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVB_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KVB_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVB_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

