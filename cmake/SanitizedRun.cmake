# A second build of the Qt-free core with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# built along with the main tree. It is unoptimised (-O0) while the main tree is optimised (-O2),
# so the same tests show that the arithmetic gives identical results at both levels. Its unit
# tests and a short run of every fuzz target are tests of the main tree, so that one CTest run
# covers everything.
find_program(SOLVANEX_CLANGXX NAMES clang++ clang++-14)
find_program(SOLVANEX_CLANG NAMES clang clang-14)
if(NOT SOLVANEX_CLANGXX OR NOT SOLVANEX_CLANG)
  message(WARNING "clang not found: the sanitizer and fuzzing run is left out")
  return()
endif()

# libmspack, the reader of help files, is built from Debian's source package inside the
# sanitized tree, so that the sanitizers check it and the fuzzers see their coverage inside it.
# The sources are fetched once into this build tree; apt needs a source entry ("deb-src"), which
# scripts/test.sh adds.
set(SOLVANEX_MSPACK_SOURCES ${CMAKE_BINARY_DIR}/libmspack-source)
file(GLOB mspack_unpacked ${SOLVANEX_MSPACK_SOURCES}/libmspack-*/mspack/chmd.c)
if(NOT mspack_unpacked)
  file(MAKE_DIRECTORY ${SOLVANEX_MSPACK_SOURCES})
  execute_process(COMMAND apt-get source --quiet libmspack
    WORKING_DIRECTORY ${SOLVANEX_MSPACK_SOURCES}
    RESULT_VARIABLE fetched OUTPUT_QUIET ERROR_VARIABLE fetch_errors)
  file(GLOB mspack_unpacked ${SOLVANEX_MSPACK_SOURCES}/libmspack-*/mspack/chmd.c)
  if(NOT mspack_unpacked)
    message(FATAL_ERROR "Could not fetch libmspack's sources (apt-get source libmspack) into "
      "${SOLVANEX_MSPACK_SOURCES}: ${fetch_errors}\nscripts/test.sh adds the source entry apt needs.")
  endif()
endif()
list(GET mspack_unpacked 0 mspack_chmd)
get_filename_component(mspack_source_dir ${mspack_chmd} DIRECTORY)
get_filename_component(mspack_source_dir ${mspack_source_dir} DIRECTORY)

include(ExternalProject)
set(SOLVANEX_SANITIZED_DIR ${CMAKE_BINARY_DIR}/sanitized)
ExternalProject_Add(solvanex_sanitized
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${SOLVANEX_SANITIZED_DIR}
  CMAKE_ARGS
    -DCMAKE_C_COMPILER=${SOLVANEX_CLANG}
    -DCMAKE_CXX_COMPILER=${SOLVANEX_CLANGXX}
    -DCMAKE_BUILD_TYPE=Debug
    -DSOLVANEX_CORE_ONLY=ON
    -DSOLVANEX_SANITIZE=ON
    -DSOLVANEX_FUZZ=ON
    -DSOLVANEX_FUZZ_VIEWER=ON
    -DSOLVANEX_MSPACK_SOURCE_DIR=${mspack_source_dir}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  TEST_COMMAND ""
)

# The suite's runs are reproducible: each starts from the seeds alone (its corpus folder is
# emptied first), with a fixed seed and a fixed number of inputs, so that a red run fails again
# the same way. A time limit would make the number of inputs, and so the run, depend on the
# machine's load. The longer runs that look for new faults keep a growing corpus and take fresh
# seeds (README).
set(SOLVANEX_FUZZ_RUNS 2000 CACHE STRING "Inputs each fuzz target tries in the test suite")
# The contents-tree target reads inputs of up to a megabyte each: a quarter as many.
set(SOLVANEX_FUZZ_RUNS_sitemap 500 CACHE STRING "Inputs the sitemap fuzz target tries")
set(SOLVANEX_FUZZ_SEED 1 CACHE STRING "libFuzzer seed of the test suite's fuzzing runs")
add_test(NAME sanitized.unit_tests
  COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${SOLVANEX_SANITIZED_DIR} --output-on-failure -j2)
set_tests_properties(sanitized.unit_tests PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# One test per fuzz target. libFuzzer adds what it finds to the first corpus folder; the seeds
# (fuzz/corpus in the sources for the core, written at build time for the others) stay as they
# are. A dictionary is given where the format has keywords.
foreach(target core registry_file pe_version elf_version system_file sitemap help_text
               help_archive)
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-test-corpus/${target})
  if(target STREQUAL "core")
    set(seeds ${PROJECT_SOURCE_DIR}/fuzz/corpus)
  else()
    set(seeds ${SOLVANEX_FUZZ_SEEDS}/${target})
  endif()
  set(runs ${SOLVANEX_FUZZ_RUNS})
  if(DEFINED SOLVANEX_FUZZ_RUNS_${target})
    set(runs ${SOLVANEX_FUZZ_RUNS_${target}})
  endif()
  set(dictionary "")
  if(EXISTS ${PROJECT_SOURCE_DIR}/fuzz/dict/${target}.dict)
    set(dictionary "-dict=${PROJECT_SOURCE_DIR}/fuzz/dict/${target}.dict")
  endif()
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      sh -c "rm -rf '${corpus}' && mkdir -p '${corpus}' && exec '${SOLVANEX_SANITIZED_DIR}/fuzz/solvanex_fuzz_${target}' -runs=${runs} -seed=${SOLVANEX_FUZZ_SEED} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 ${dictionary} '${corpus}' '${seeds}'")
  set_tests_properties(fuzz.${target} PROPERTIES TIMEOUT 600)
endforeach()
