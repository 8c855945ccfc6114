# Where the installed files go, and how the installed program finds them.
#
# The help viewer module and its registration are architecture-specific and go to the multiarch
# library folder where the system has one (lib/x86_64-linux-gnu/solvanex), under /usr as under
# /usr/local, so that one built tree installs the same layout whatever prefix is given at install
# time (cmake --install --prefix, DESTDIR, the Debian package). The help file is shared data.
include(GNUInstallDirs)
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(solvanex_module_dir_default "lib/${CMAKE_LIBRARY_ARCHITECTURE}/solvanex")
else()
  set(solvanex_module_dir_default "${CMAKE_INSTALL_LIBDIR}/solvanex")
endif()
set(SOLVANEX_MODULE_INSTALL_DIR "${solvanex_module_dir_default}" CACHE PATH
    "Folder of the help viewer module and its registration (relative to the prefix, or absolute)")
set(SOLVANEX_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/solvanex")

# The installed program finds a folder of its installation relative to its own folder, so that
# the prefix may still change at install time; a folder given as an absolute path stays fixed.
function(solvanex_path_from_bindir out dir)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${dir}")
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    file(RELATIVE_PATH relative "/${CMAKE_INSTALL_BINDIR}" "/${dir}")
    set(${out} "${relative}" PARENT_SCOPE)
  endif()
endfunction()
solvanex_path_from_bindir(SOLVANEX_MODULE_DIR_FROM_BINDIR "${SOLVANEX_MODULE_INSTALL_DIR}")
solvanex_path_from_bindir(SOLVANEX_DATA_DIR_FROM_BINDIR "${SOLVANEX_DATA_INSTALL_DIR}")
