# 32-bit x86 Windows console programs, built by the MinGW-w64 i686 toolchain
# (Debian: g++-mingw-w64-i686; the runtime's static library comes with
# gfortran-mingw-w64-i686). Everything is linked statically, so that each
# .exe runs on a Windows machine with nothing else installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
# Reals are rounded to 32 bits after every operation: SSE arithmetic does
# that, where the x87 default would keep sums in extended precision.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests run the programs under Wine. Its 64-bit loader starts each 32-bit
# program through the WoW64 layer that the wine32 package provides.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
