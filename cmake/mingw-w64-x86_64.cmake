# Cross-compiling from Debian to 64-bit Windows with MinGW-w64 (posix threads).
# The Windows Qt goes into QTWIN_EXTRA_FIND_ROOT and CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  ${_mingw}-windres)
set(CMAKE_AR           /usr/bin/${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")
# Libraries, headers and packages come from the MinGW sysroot and the Windows
# Qt only; programs are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw} ${QTWIN_EXTRA_FIND_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No link time in the PE headers: two builds of one source give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
