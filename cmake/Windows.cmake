# What every program built for Windows carries: the application manifest (cmake/windows).
function(solvanex_windows_program target)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/windows/manifest.rc)
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/cmake/windows/manifest.rc APPEND PROPERTY
      OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/windows/solvanex.manifest)
  endif()
endfunction()
