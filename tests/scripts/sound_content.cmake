# The generated songs and effects read by independent players (openmpt123, sox).
find_package(Python3 COMPONENTS Interpreter)
find_program(QV_OPENMPT123 openmpt123)
find_program(QV_SOX sox)
if(Python3_Interpreter_FOUND AND QV_OPENMPT123 AND QV_SOX)
  add_test(NAME SoundContent.PeerPlayers
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/sound_content.py
                   ${CMAKE_BINARY_DIR}/assets ${CMAKE_BINARY_DIR}/test-tmp/sound_content)
  set_tests_properties(SoundContent.PeerPlayers PROPERTIES TIMEOUT 300)
endif()
