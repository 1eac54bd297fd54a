# The game in a real X window under Xvfb: xdotool clicks through the start menu into a classic
# game and drags a goo onto the tower; pictures of the X screen are probed at each step. Skipped
# (with the reason in the output) when Xvfb, xdotool or ImageMagick is missing or Xvfb can't
# start.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND AND TARGET quorvex)
  add_test(NAME Desktop.RealWindow
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/desktop_window.py
                   $<TARGET_FILE:quorvex> ${QV_BIN_DIR}/graphics.dat
                   ${CMAKE_SOURCE_DIR}/data/options.default
                   ${CMAKE_BINARY_DIR}/test-tmp/desktop-window)
  set_tests_properties(Desktop.RealWindow PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77
                                                     RUN_SERIAL TRUE)
endif()
