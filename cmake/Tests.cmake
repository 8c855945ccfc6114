# How test programs are registered. On the build's own system every GoogleTest case is a test of
# its own (gtest_discover_tests). In a cross build for Windows each test program is one test, run
# under Wine (one Wine process per program rather than per case), in a Wine prefix of the build's
# own and without a display; the fixture "wine" prepares that prefix once and keeps one Wine
# server running for the whole run.
if(CMAKE_CROSSCOMPILING AND WIN32)
  # The 64-bit programs (and the 64-bit prefix's wineboot) are run by the 64-bit loader itself:
  # where Debian's 32-bit Wine is installed beside it, the wine command would start them through
  # the 32-bit one, which cannot use a 64-bit prefix.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    find_program(SOLVANEX_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(SOLVANEX_WINE64 wine64)
  endif()
  if(SOLVANEX_WINE64)
    set(SOLVANEX_WINE ${SOLVANEX_WINE64})
  else()
    find_program(SOLVANEX_WINE wine)
  endif()
  find_program(SOLVANEX_WINEBOOT wineboot)
  find_program(SOLVANEX_WINESERVER wineserver)
  if(SOLVANEX_WINE AND SOLVANEX_WINEBOOT AND SOLVANEX_WINESERVER)
    set(wine_found ON)
  else()
    set(wine_found OFF)
  endif()
  option(SOLVANEX_WINE_TESTS "Run the Windows tests under Wine" ${wine_found})
endif()

if(SOLVANEX_WINE_TESTS)
  set(SOLVANEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(SOLVANEX_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${SOLVANEX_WINE_RUN} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                     WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SOLVANEX_WINE_RUN})
  add_test(NAME wine.start COMMAND ${SOLVANEX_WINE_RUN} --start)
  add_test(NAME wine.stop COMMAND ${SOLVANEX_WINE_RUN} --stop)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
  # The key scripts that the test programs run are logged for the runner's comparison
  # (cli/tests): the log starts empty at every run.
  set(SOLVANEX_KEY_SCRIPT_LOG ${CMAKE_BINARY_DIR}/key-scripts.log)
  add_test(NAME key_scripts.reset COMMAND ${CMAKE_COMMAND} -E rm -f ${SOLVANEX_KEY_SCRIPT_LOG})
  set_tests_properties(key_scripts.reset PROPERTIES FIXTURES_SETUP key_script_log)
endif()

# Registers the GoogleTest program target, its test names beginning with PREFIX. KEY_SCRIPTS: the
# program runs key scripts, which a Windows build logs for the runner's comparison.
function(solvanex_gtest target)
  cmake_parse_arguments(arg "KEY_SCRIPTS" "PREFIX" "" ${ARGN})
  solvanex_windows_program(${target})
  if(CMAKE_CROSSCOMPILING)
    if(SOLVANEX_WINE_TESTS)
      set(name ${arg_PREFIX}${target})
      add_test(NAME ${name} COMMAND ${target})
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600)
      if(arg_KEY_SCRIPTS)
        set_tests_properties(${name} PROPERTIES
          ENVIRONMENT SOLVANEX_KEY_SCRIPT_LOG=${SOLVANEX_KEY_SCRIPT_LOG}
          FIXTURES_REQUIRED "wine;key_script_log"
          FIXTURES_SETUP key_scripts)
      endif()
    endif()
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${arg_PREFIX}" NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Without the tests (SOLVANEX_TESTS off): every program below dir that links GoogleTest is left
# out of the default build, so that nothing needs it.
function(solvanex_leave_out_test_programs dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(libraries AND "GTest::gtest_main" IN_LIST libraries)
      set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    solvanex_leave_out_test_programs(${subdirectory})
  endforeach()
endfunction()
