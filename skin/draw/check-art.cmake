# Draws the pictures into OUT and fails unless they are the committed ART,
# file for file and byte for byte.
#   cmake -DDRAW=<morvane-skin-draw> -DART=<skin/art> -DOUT=<folder> -P check-art.cmake
foreach(var DRAW ART OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check-art: ${var} is not set")
  endif()
endforeach()

# The texts' rendering follows fontconfig: the system's settings (Debian's,
# with fonts-dejavu-core's), never a user's own.
set(home ${OUT}-home)
file(REMOVE_RECURSE ${OUT} ${home})
file(MAKE_DIRECTORY ${home})
file(CHMOD ${home} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{HOME} ${home})
set(ENV{XDG_CONFIG_HOME} ${home}/config)
set(ENV{XDG_CACHE_HOME} ${home}/cache)
set(ENV{XDG_RUNTIME_DIR} ${home})
unset(ENV{FONTCONFIG_FILE})
unset(ENV{FONTCONFIG_PATH})
execute_process(COMMAND ${DRAW} ${OUT} RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "check-art: ${DRAW} failed (${drawn})")
endif()

file(GLOB committed RELATIVE ${ART} ${ART}/*)
file(GLOB made RELATIVE ${OUT} ${OUT}/*)
list(SORT committed)
list(SORT made)
if(NOT committed STREQUAL made)
  message(FATAL_ERROR "check-art: the pictures drawn are not the committed ones\n"
    "  committed: ${committed}\n  drawn:     ${made}")
endif()

set(differ "")
foreach(name ${committed})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ART}/${name} ${OUT}/${name}
    RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differ ${name})
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR "check-art: drawn pictures differ from the committed art: ${differ}\n"
    "  drawn into ${OUT}; after a deliberate change to the artwork run:\n"
    "  ${DRAW} ${ART}")
endif()
message(STATUS "check-art: ${made}")
