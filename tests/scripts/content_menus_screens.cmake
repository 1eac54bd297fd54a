# The every-screen replay on the real content: one picture per screen, no message box.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME Content.menus_screens
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/content_menus_screens.py
                   $<TARGET_FILE:qvtool> ${QV_BIN_DIR}/graphics.dat
                   ${CMAKE_SOURCE_DIR}/data/options.default
                   ${CMAKE_SOURCE_DIR}/tests/e2e/replays/screens.replay
                   ${CMAKE_BINARY_DIR}/test-tmp/content_menus_screens)
  set_tests_properties(Content.menus_screens PROPERTIES TIMEOUT 300)
endif()
