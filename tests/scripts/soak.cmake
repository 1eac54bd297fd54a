# The short soak: 20,000 frames of random input over every screen on the real graphics.dat, every
# frame checked through qvtool run --state-log (`make soak` runs the long one, 100,000 frames
# with a fresh seed).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME Soak.TwentyThousandFrames
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/soak.py
                   $<TARGET_FILE:qvtool> ${QV_BIN_DIR}/graphics.dat
                   ${CMAKE_SOURCE_DIR}/data/options.default ${CMAKE_BINARY_DIR}/test-tmp/soak
                   20000 20261207)
  set_tests_properties(Soak.TwentyThousandFrames PROPERTIES TIMEOUT 300)
endif()
