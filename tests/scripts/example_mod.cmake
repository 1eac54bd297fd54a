# The example mod packed over the real graphics.dat (target graphics_dat) and played.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME Example.GooMod
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/example_mod.py
                   $<TARGET_FILE:qvtool> ${QV_BIN_DIR}/graphics.dat
                   ${CMAKE_SOURCE_DIR}/examples/goo-mod ${CMAKE_CURRENT_BINARY_DIR}/example_mod)
endif()
