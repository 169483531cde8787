# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (posix thread model, which
# GoogleTest needs). Test programs run under Wine when it is installed.
#
# Two settings, given with -D (presets set them):
#   VELMORA_QT_MINGW      the prefix of a Qt built for MinGW-w64 (windows-paket.sh builds one);
#                         it joins the find root, so find_package(Qt6) finds it there.
#   VELMORA_MINGW_LAUFZEIT  "statisch" (default): the C and C++ runtimes and winpthread go into
#                         each program, which then runs without MinGW DLLs. "dll": they stay
#                         DLLs (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll), as Qt
#                         needs when it is built as DLLs: one runtime for Qt and the program.
set(CMAKE_SYSTEM_NAME Windows)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMORA_QT_MINGW VELMORA_MINGW_LAUFZEIT)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(VELMORA_QT_MINGW)
  list(APPEND CMAKE_FIND_ROOT_PATH "${VELMORA_QT_MINGW}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT VELMORA_MINGW_LAUFZEIT STREQUAL "dll")
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# Wine runs the test programs, during test discovery and under ctest. The prefix is the one
# the caller exported (test-windows.sh keeps it in the build directory); without one Wine
# takes ~/.wine.
find_program(VELMORA_WINE NAMES wine wine64)
if(VELMORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${VELMORA_WINE}")
endif()
