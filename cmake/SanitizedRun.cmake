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
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  TEST_COMMAND ""
)

set(SOLVANEX_FUZZ_SECONDS 15 CACHE STRING "How long each fuzz target runs in the test suite")
# The suite's runs start from a fixed seed, so that a run retraces what the last one tried and a
# red run is reproducible; the longer runs that look for new faults take fresh seeds (README).
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
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${target})
  if(target STREQUAL "core")
    set(seeds ${PROJECT_SOURCE_DIR}/fuzz/corpus)
  else()
    set(seeds ${SOLVANEX_FUZZ_SEEDS}/${target})
  endif()
  set(dictionary "")
  if(EXISTS ${PROJECT_SOURCE_DIR}/fuzz/dict/${target}.dict)
    set(dictionary "-dict=${PROJECT_SOURCE_DIR}/fuzz/dict/${target}.dict")
  endif()
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      sh -c "mkdir -p '${corpus}' && exec '${SOLVANEX_SANITIZED_DIR}/fuzz/solvanex_fuzz_${target}' -max_total_time=${SOLVANEX_FUZZ_SECONDS} -seed=${SOLVANEX_FUZZ_SEED} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 ${dictionary} '${corpus}' '${seeds}'")
  set_tests_properties(fuzz.${target} PROPERTIES TIMEOUT 300)
endforeach()
