# The generated songs played by SDL_mixer through SDL's disk audio driver, past their loop.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME SoundContent.SdlMixerRender
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/scripts/sound_sdl_render.py
                   ${CMAKE_BINARY_DIR}/assets ${CMAKE_BINARY_DIR}/test-tmp/sound_sdl_render)
  set_tests_properties(SoundContent.SdlMixerRender PROPERTIES TIMEOUT 120)
endif()
