# Fixed replays of whole games on the real content: a 30-goo classic game to its record, relay
# level 1 of the game's own level list into level 2, an unlimited game left and recorded, and
# calm wind bought in the experience shop; played by qvtool run on the built graphics.dat.
# `make test` builds qvtool and graphics_dat before ctest runs these.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  foreach(check IN ITEMS classic relay unlimited shop)
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/replays/game_${check}.replay)
      message(FATAL_ERROR "tests/e2e/replays/game_${check}.replay is missing")
    endif()
    add_test(NAME ContentReplay.${check}
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/content_game_replays.py
                     $<TARGET_FILE:qvtool> ${QV_BIN_DIR}/graphics.dat
                     ${CMAKE_SOURCE_DIR}/tests/e2e/replays
                     ${CMAKE_BINARY_DIR}/test-tmp/content_replays ${check})
    set_tests_properties(ContentReplay.${check} PROPERTIES TIMEOUT 300)
  endforeach()
endif()
