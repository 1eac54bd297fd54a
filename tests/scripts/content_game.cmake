# End-to-end checks of the real content: the built graphics.dat played through qvtool run, and
# the high-resolution one (ContentHires.*) on a 480 x 640 display with every position doubled.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  foreach(scale IN ITEMS 1 2)
    if(scale EQUAL 1)
      set(prefix Content)
      set(archive ${QV_BIN_DIR}/graphics.dat)
    else()
      set(prefix ContentHires)
      set(archive ${CMAKE_BINARY_DIR}/hires/graphics.dat)
    endif()
    set(checks screens options screenshot classic relay unlimited shop between clouds demo)
    if(scale EQUAL 2)
      list(APPEND checks small_display)
    else()
      list(APPEND checks keys carry)  # keys and the goo in the hand, on the standard screen
    endif()
    foreach(check IN LISTS checks)
      add_test(NAME ${prefix}.${check}
               COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/content_game.py
                       $<TARGET_FILE:qvtool> ${archive} ${CMAKE_SOURCE_DIR}/data/options.default
                       ${CMAKE_BINARY_DIR}/test-tmp/content-x${scale} ${check} ${scale})
      set_tests_properties(${prefix}.${check} PROPERTIES TIMEOUT 600)
    endforeach()
    # Every text measured with the archive's fonts, every named picture, the colours apart.
    add_test(NAME ${prefix}.texts
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/content_texts.py
                     $<TARGET_FILE:qvtool> ${archive} ${scale}
                     ${CMAKE_BINARY_DIR}/test-tmp/content-texts-x${scale})
  endforeach()
endif()
