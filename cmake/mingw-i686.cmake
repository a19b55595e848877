# Cross build of the 32-bit Windows DLL with Debian's MinGW-w64 compilers:
#   cmake -S . -B build/win32 --toolchain cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(qb_prefix i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
