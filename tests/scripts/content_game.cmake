# End-to-end checks of the real content: the built graphics.dat played through qvtool run.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  foreach(check IN ITEMS screens options screenshot classic relay unlimited shop)
    add_test(NAME Content.${check}
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/content_game.py
                     $<TARGET_FILE:qvtool> ${QV_BIN_DIR}/graphics.dat
                     ${CMAKE_SOURCE_DIR}/data/options.default ${CMAKE_BINARY_DIR}/test-tmp/content
                     ${check})
    set_tests_properties(Content.${check} PROPERTIES TIMEOUT 300)
  endforeach()
endif()
