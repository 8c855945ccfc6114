# A second build of the Qt-free core with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# built along with the main tree. It is unoptimised (-O0) while the main tree is optimised (-O2),
# so the same tests show that the arithmetic gives identical results at both levels. Its unit tests and a 60-second fuzzing run are tests of the main
# tree, so that one CTest run covers everything.
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
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  TEST_COMMAND ""
)

set(SOLVANEX_FUZZ_SECONDS 60 CACHE STRING "How long the fuzzing run of the test suite lasts")
add_test(NAME sanitized.unit_tests
  COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${SOLVANEX_SANITIZED_DIR} --output-on-failure -j2)
set_tests_properties(sanitized.unit_tests PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# libFuzzer adds what it finds to the first corpus folder; the seeds in the repository stay as
# they are.
add_test(NAME fuzz.core
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
    sh -c "mkdir -p '${CMAKE_BINARY_DIR}/fuzz-corpus' && exec '${SOLVANEX_SANITIZED_DIR}/fuzz/solvanex_fuzz_core' -max_total_time=${SOLVANEX_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 '${CMAKE_BINARY_DIR}/fuzz-corpus' '${PROJECT_SOURCE_DIR}/fuzz/corpus'")
set_tests_properties(fuzz.core PROPERTIES TIMEOUT 600)
