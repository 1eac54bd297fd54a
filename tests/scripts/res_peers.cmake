# Pictures and archives crossing over to independent programs: ImageMagick's TGA files read by
# the game, the tools' PNG files read by ImageMagick, and packed archives read by a Python reader
# written from the archive layout alone (tests/scripts/res_peers.py).
find_package(Python3 COMPONENTS Interpreter)
find_program(QV_IMAGEMAGICK NAMES magick convert-im6.q16 convert-im6 convert)
if(Python3_Interpreter_FOUND AND QV_IMAGEMAGICK)
  foreach(check tga png archive)
    add_test(NAME ResPeers.${check}
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/res_peers.py ${check}
                     $<TARGET_FILE:qvtool> ${QV_IMAGEMAGICK}
                     ${CMAKE_BINARY_DIR}/test-tmp/res_peers/${check})
    set_tests_properties(ResPeers.${check} PROPERTIES TIMEOUT 120)
  endforeach()
endif()
