# The window's pictures, compiled into the program from the committed art/.
# The art check below makes sure art/ holds exactly what the drawing
# program makes, under the names skin/Layout.h gives.
file(GLOB MORVANE_SKIN_ART CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*)
qt_add_resources(morvane "skin" PREFIX "/skin" BASE ${CMAKE_CURRENT_LIST_DIR}/art
  FILES ${MORVANE_SKIN_ART})

# Draws the art again: <build>/morvane-skin-draw skin/art
file(GLOB MORVANE_SKIN_DRAW_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/draw/*.cpp ${CMAKE_CURRENT_LIST_DIR}/draw/*.h)
add_executable(morvane-skin-draw ${MORVANE_SKIN_DRAW_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/Layout.h)
target_include_directories(morvane-skin-draw PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(morvane-skin-draw PRIVATE Qt6::Gui)

add_test(NAME SkinArt.DrawnPicturesAreTheCommittedArt
  COMMAND ${CMAKE_COMMAND} -DDRAW=$<TARGET_FILE:morvane-skin-draw> -DART=${CMAKE_CURRENT_LIST_DIR}/art
    -DOUT=${CMAKE_BINARY_DIR}/skin-art-check -P ${CMAKE_CURRENT_LIST_DIR}/draw/check-art.cmake)
set_tests_properties(SkinArt.DrawnPicturesAreTheCommittedArt PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)

include(${CMAKE_SOURCE_DIR}/help/help.cmake)
