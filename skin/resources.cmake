# The window's pictures, compiled into the program from the committed art/.
set(MORVANE_SKIN_ART
  skin.bmp hand.png icon16.png icon32.png icon48.png
  button_hover0.jpg button_hover1.jpg button_hover2.jpg
  button_hover3.jpg button_hover4.jpg button_hover5.jpg
  button_push0.jpg button_push1.jpg button_push2.jpg
  button_push3.jpg button_push4.jpg button_push5.jpg
  menu_hover0.jpg menu_hover1.jpg menu_hover2.jpg menu_hover3.jpg
  menu_push0.jpg menu_push1.jpg menu_push2.jpg menu_push3.jpg)
list(TRANSFORM MORVANE_SKIN_ART PREPEND ${CMAKE_CURRENT_LIST_DIR}/art/)
qt_add_resources(morvane "skin" PREFIX "/skin" BASE ${CMAKE_CURRENT_LIST_DIR}/art
  FILES ${MORVANE_SKIN_ART})

# Draws the art again; built and run by hand only:
#   cmake --build <build> --target morvane-skin-draw
#   <build>/morvane-skin-draw skin/art
file(GLOB MORVANE_SKIN_DRAW_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/draw/*.cpp ${CMAKE_CURRENT_LIST_DIR}/draw/*.h)
add_executable(morvane-skin-draw EXCLUDE_FROM_ALL ${MORVANE_SKIN_DRAW_SOURCES})
target_link_libraries(morvane-skin-draw PRIVATE Qt6::Gui)

include(${CMAKE_SOURCE_DIR}/help/help.cmake)
