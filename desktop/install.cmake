# cmake --install: the program's folder (the executable and everything that
# must lie beside it), a link to the executable in bin/, the desktop entry
# and the icon.
set(MORVANE_INSTALL_PROGRAM_DIR "lib/morvane-converter" CACHE STRING
  "The program's folder, relative to the prefix")

# The program's folder in the build folder, and nothing else: what
# scripts/run.sh builds (cmake --build build --target morvane-program).
add_custom_target(morvane-program)
add_dependencies(morvane-program morvane-converter conv conv1)

install(TARGETS morvane-converter conv conv1 RUNTIME DESTINATION ${MORVANE_INSTALL_PROGRAM_DIR})
if(TARGET morvane-help)
  add_dependencies(morvane-program morvane-help)
  install(FILES ${CMAKE_BINARY_DIR}/help.chm DESTINATION ${MORVANE_INSTALL_PROGRAM_DIR})
endif()

# Relative, so the installed tree can be moved; the program finds its folder
# through the link (applicationDirPath() follows /proc/self/exe).
file(RELATIVE_PATH MORVANE_LINK_TARGET /${CMAKE_INSTALL_BINDIR}
  /${MORVANE_INSTALL_PROGRAM_DIR}/morvane-converter)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-bin)
file(CREATE_LINK ${MORVANE_LINK_TARGET} ${CMAKE_BINARY_DIR}/install-bin/morvane-converter SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-bin/morvane-converter DESTINATION ${CMAKE_INSTALL_BINDIR})

# The entry names the executable by its full path under the prefix the
# install is made to (cmake --install --prefix may change it), so the
# desktop starts it whether or not that bin/ is on the PATH.
install(CODE "
  set(MORVANE_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/morvane-converter\")
  configure_file(${CMAKE_CURRENT_LIST_DIR}/morvane-converter.desktop.in
    ${CMAKE_BINARY_DIR}/install-desktop/morvane-converter.desktop @ONLY)
")
install(FILES ${CMAKE_BINARY_DIR}/install-desktop/morvane-converter.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

foreach(size 16 32 48)
  install(FILES ${CMAKE_SOURCE_DIR}/skin/art/icon${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME morvane-converter.png)
endforeach()
