# The shipped 32-bit program: PE32, i686, statically linked.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TOOLCHAIN_FLAVOUR "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
