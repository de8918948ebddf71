# 32-bit x86 Linux programs, built by the host's g++ with -m32 and linked with
# the runtime's 32-bit shared object (Debian: g++-multilib, lib32gfortran-12-dev).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER g++)
# Reals are rounded to 32 bits after every operation: SSE arithmetic does
# that, where the x87 default would keep sums in extended precision.
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
