# What every program built for Windows carries: the application manifest (cmake/windows), with
# the project's version, and a file layout that Wine can map.
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
    # Sections start on page boundaries in the file as in memory, so that Wine maps the image
    # as it stands instead of reading it whole into memory at every start.
    target_link_options(${target} PRIVATE -Wl,--file-alignment=4096)
  endif()
endfunction()
