# Cross build for x86_64 Windows with Debian's mingw-w64 (package mingw-w64):
#   cmake -S . -B build-windows/x86_64 --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
