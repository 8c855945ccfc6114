# What every program built for Windows carries: the application manifest (cmake/windows), with
# the project's version.
if(WIN32)
  set(SOLVANEX_MANIFEST ${CMAKE_BINARY_DIR}/generated/windows/solvanex.manifest)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/solvanex.manifest.in ${SOLVANEX_MANIFEST} @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/manifest.rc.in
    ${CMAKE_BINARY_DIR}/generated/windows/manifest.rc @ONLY)
endif()

function(solvanex_windows_program target)
  if(WIN32)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated/windows/manifest.rc)
    set_property(SOURCE ${CMAKE_BINARY_DIR}/generated/windows/manifest.rc APPEND PROPERTY
      OBJECT_DEPENDS ${SOLVANEX_MANIFEST})
  endif()
endfunction()
