# Cross build for Windows x86-64 with Debian's MinGW-w64. The thread model is
# posix for the tests (they use std::thread), win32 for the release: the
# product uses Win32 threads only, and so needs no winpthreads linked in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRIMLET_MINGW_PREFIX x86_64-w64-mingw32)
set(BRIMLET_MINGW_THREADS posix CACHE STRING "MinGW-w64 thread model: posix or win32")
set(CMAKE_C_COMPILER ${BRIMLET_MINGW_PREFIX}-gcc-${BRIMLET_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${BRIMLET_MINGW_PREFIX}-g++-${BRIMLET_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${BRIMLET_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${BRIMLET_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${BRIMLET_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine; the bench sets WINEPREFIX and DISPLAY.
find_program(BRIMLET_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BRIMLET_WINE})
