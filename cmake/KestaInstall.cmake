# The install step (`cmake --install BUILD --prefix P`): the command in
# P/bin, the module and the platform library it shares with the command in
# P/lib/kesta, the default custom folder in P/share/kesta/custom (the
# GNUInstallDirs folders, so a packager's settings for them hold). The
# installed command finds the other two from its own place (cli/install_layout.h),
# so the prefix may be anywhere and the build tree may go.
include(GNUInstallDirs)
set(KESTA_INSTALL_LIB_DIR ${CMAKE_INSTALL_LIBDIR}/kesta)
set(KESTA_INSTALL_CUSTOM_DIR ${CMAKE_INSTALL_DATADIR}/kesta/custom)
# The same places as seen from the command's folder.
file(RELATIVE_PATH KESTA_LIB_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/kesta)
file(RELATIVE_PATH KESTA_CUSTOM_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/kesta/custom)

# Called once every code folder is added.
function(kesta_install_rules)
  # The installed files find their libraries beside them, not in the build.
  set_target_properties(kesta PROPERTIES INSTALL_RPATH "$ORIGIN/${KESTA_LIB_FROM_BIN}")
  set_target_properties(kestaepic PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS kesta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS kestaepic kesta_platform LIBRARY DESTINATION ${KESTA_INSTALL_LIB_DIR})
  # The default custom folder's files as the build assembles them (not
  # whatever else a run may have left in build/custom, such as a term file).
  get_target_property(files kesta_default_custom KESTA_CUSTOM_FILES)
  foreach(file ${files})
    file(RELATIVE_PATH relative ${PROJECT_BINARY_DIR}/custom ${file})
    get_filename_component(folder ${relative} DIRECTORY)
    install(FILES ${file} DESTINATION ${KESTA_INSTALL_CUSTOM_DIR}/${folder})
  endforeach()
endfunction()
