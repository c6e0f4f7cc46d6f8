# The shipped 32-bit program: PE32, i686, statically linked.
# The POSIX threading flavour, as in the 64-bit build: the Windows-side tests
# that run on this build need std::thread and std::mutex, and the program and
# its tests must come from one compiler.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TOOLCHAIN_FLAVOUR -posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
