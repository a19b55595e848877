# Shared part of the MinGW-w64 toolchain files; qb_prefix names the target.
# The posix-threads compilers: GoogleTest needs std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${qb_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${qb_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${qb_prefix}-windres)
# CMake 3.25 does not find the prefixed binutils behind a "-posix" compiler.
set(CMAKE_AR ${qb_prefix}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${qb_prefix}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_NM ${qb_prefix}-nm CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${qb_prefix}-objdump CACHE FILEPATH "")
set(CMAKE_DLLTOOL ${qb_prefix}-dlltool CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${qb_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
