# Run at install time: writes the help viewer module's registration (registry.reg) into the
# module's installed folder, naming the module by the prefix of this installation (DESTDIR, as
# a staging folder, is not part of the name). Set by the caller: SOLVANEX_REGISTRATION_KEY,
# SOLVANEX_MODULE_INSTALL_DIR (relative to the prefix, or absolute), SOLVANEX_MODULE_FILE_NAME
# and SOLVANEX_REGISTRATION_STAGE (a build folder in which the file is made).
cmake_path(ABSOLUTE_PATH SOLVANEX_MODULE_INSTALL_DIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE solvanex_module_dir)
string(REGEX REPLACE "(.)/$" "\\1" solvanex_module_dir "${solvanex_module_dir}")
set(solvanex_module "${solvanex_module_dir}/${SOLVANEX_MODULE_FILE_NAME}")
# REGEDIT4 strings escape backslashes and quotes.
string(REPLACE "\\" "\\\\" solvanex_module "${solvanex_module}")
string(REPLACE "\"" "\\\"" solvanex_module "${solvanex_module}")
file(WRITE "${SOLVANEX_REGISTRATION_STAGE}/registry.reg"
  "REGEDIT4\n\n${SOLVANEX_REGISTRATION_KEY}\n@=\"${solvanex_module}\"\n")
file(INSTALL DESTINATION "${solvanex_module_dir}" TYPE FILE
  FILES "${SOLVANEX_REGISTRATION_STAGE}/registry.reg")
