# The 64-bit build that runs under Wine: PE32+, x86_64, statically linked.
# The POSIX threading flavour: GoogleTest's Windows build needs std::mutex.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(TOOLCHAIN_FLAVOUR -posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
