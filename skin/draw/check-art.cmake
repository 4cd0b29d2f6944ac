# Draws the pictures into OUT and fails unless they are the committed ART,
# file for file, each showing the same picture (decoded pixels alike within
# what another JPEG encoder changes; see CompareArt.h).
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

# Under the sanitizers, LeakSanitizer's thread tracer can crash at exit on
# this step's dynamic thread-local storage (GCC 12's runtime, glibc 2.36);
# the drawing above is still leak-checked.
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:detect_leaks=0")
execute_process(COMMAND ${DRAW} --compare ${ART} ${OUT} RESULT_VARIABLE alike)
if(NOT alike EQUAL 0)
  message(FATAL_ERROR "check-art: drawn pictures differ from the committed art (above)\n"
    "  drawn into ${OUT}; after a deliberate change to the artwork run:\n"
    "  ${DRAW} ${ART}")
endif()
file(GLOB made RELATIVE ${OUT} ${OUT}/*)
message(STATUS "check-art: ${made}")
