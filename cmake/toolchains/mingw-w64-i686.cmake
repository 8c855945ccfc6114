# Cross build for i686 Windows with Debian's mingw-w64 (package mingw-w64):
#   cmake -S . -B build-windows/i686 --toolchain cmake/toolchains/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
