# libmspack, the reader of compiled help files, as the target solvanex_mspack: Debian's library,
# or, when SOLVANEX_MSPACK_SOURCE_DIR names Debian's source package of it (unpacked by
# "apt-get source libmspack"), its CHM reader built here with the tree's own flags, so that the
# sanitizers and the fuzzers' coverage reach inside it.
include_guard(GLOBAL)
set(SOLVANEX_MSPACK_SOURCE_DIR "" CACHE PATH "libmspack sources to build the CHM reader from")

if(SOLVANEX_MSPACK_SOURCE_DIR)
  set(source ${SOLVANEX_MSPACK_SOURCE_DIR}/mspack)
  if(NOT EXISTS ${source}/chmd.c)
    message(FATAL_ERROR "No libmspack sources in ${SOLVANEX_MSPACK_SOURCE_DIR}")
  endif()
  # The CHM reader and what it calls: LZX decompression and the default system functions.
  add_library(solvanex_mspack STATIC ${source}/chmd.c ${source}/lzxd.c ${source}/system.c)
  target_include_directories(solvanex_mspack SYSTEM PUBLIC ${source})
  # What libmspack's configure script finds on every Debian system.
  target_compile_definitions(solvanex_mspack PRIVATE
    HAVE_FSEEKO=1 HAVE_INTTYPES_H=1 HAVE_LIMITS_H=1 HAVE_TOWLOWER=1 _FILE_OFFSET_BITS=64)
  # Third-party code: its own warnings are not the tree's to fix.
  target_compile_options(solvanex_mspack PRIVATE -w)
  if(SOLVANEX_SANITIZE)
    # LZX's header reader shifts a 16-bit value read into an int left by 16 (lzxd.c, the Intel
    # file size), which C leaves undefined when the top bit is set; compilers give the intended
    # bits. The fuzzing found it at once and would stop there; that one check is left out so
    # that it goes on looking for faults that matter. Every other check stays.
    target_compile_options(solvanex_mspack PRIVATE -fno-sanitize=shift-base)
  endif()
  set_target_properties(solvanex_mspack PROPERTIES POSITION_INDEPENDENT_CODE ON)
else()
  find_path(MSPACK_INCLUDE_DIR mspack.h REQUIRED)
  find_library(MSPACK_LIBRARY mspack REQUIRED)
  add_library(solvanex_mspack INTERFACE)
  target_include_directories(solvanex_mspack SYSTEM INTERFACE ${MSPACK_INCLUDE_DIR})
  target_link_libraries(solvanex_mspack INTERFACE ${MSPACK_LIBRARY})
endif()
