# The same build for 64-bit Windows. Hosts are 32-bit; this one serves to
# run the suite under a Wine that cannot run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(qb_prefix x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
