# help.chm beside the program, compiled from the pages in help/.
find_program(MORVANE_CHMCMD chmcmd)
file(GLOB MORVANE_HELP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/*.html ${CMAKE_CURRENT_LIST_DIR}/*.css
  ${CMAKE_CURRENT_LIST_DIR}/*.hhp ${CMAKE_CURRENT_LIST_DIR}/*.hhc ${CMAKE_CURRENT_LIST_DIR}/*.hhk)
if(MORVANE_CHMCMD)
  set(MORVANE_HELP_STAGE ${CMAKE_BINARY_DIR}/help-src)
  # chmcmd writes its output beside the project file, so it compiles a copy.
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/help.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${MORVANE_HELP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVANE_HELP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E copy ${MORVANE_HELP_SOURCES} ${MORVANE_HELP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E chdir ${MORVANE_HELP_STAGE} ${MORVANE_CHMCMD} --no-html-scan --verbosity 1 help.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${MORVANE_HELP_STAGE}/help.chm ${CMAKE_BINARY_DIR}/help.chm
    DEPENDS ${MORVANE_HELP_SOURCES}
    COMMENT "Compiling help.chm"
    VERBATIM)
  add_custom_target(morvane-help ALL DEPENDS ${CMAKE_BINARY_DIR}/help.chm)
else()
  message(WARNING "chmcmd (Debian package fp-utils) not found: help.chm is not built")
endif()
