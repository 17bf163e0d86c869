# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix-threads flavour, whose
# C++ runtime has std::thread and friends). `scripts/windows` uses it for build-windows/.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTORO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTORO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTORO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTORO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTORO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread go inside each program and inside BRRes.dll, so
# nothing but Windows' own DLLs has to lie beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
