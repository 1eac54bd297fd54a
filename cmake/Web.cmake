# The game for the browser: quorvex.js and quorvex.wasm beside web/index.html in QV_WEB_OUT.
# graphics.dat and options.dat are fetched by the page into the in-memory file system before
# main() starts, so new content needs no new link.
#
# Asyncify lets the game's own loops (the main loop, the modal message loop) yield to the
# browser whenever they wait for the next frame: the code stays the one the desktop runs.
set(QV_WEB_OUT "${CMAKE_BINARY_DIR}/.." CACHE PATH "Folder of the page and the game")
get_filename_component(qv_web_out "${QV_WEB_OUT}" ABSOLUTE)

set_target_properties(quorvex PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${qv_web_out} SUFFIX ".js")
target_link_options(quorvex PRIVATE
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=131072
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=16MB
  -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
  -sEXPORTED_RUNTIME_METHODS=FS,ENV,stringToUTF8,UTF8ToString
  -sMODULARIZE=0 -sEXIT_RUNTIME=1
  --js-library ${CMAKE_SOURCE_DIR}/web/sdl_helpers.js
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=[qv_sdl_helpers] --profiling-funcs)
set_property(TARGET quorvex APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/sdl_helpers.js)
configure_file(${CMAKE_SOURCE_DIR}/web/index.html ${qv_web_out}/index.html COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/options.default ${qv_web_out}/options.dat COPYONLY)

# The whole-frame benchmark in the browser: web/bench.html runs bench.js and shows the time per
# frame of a 200-blob tower, as bench/frame_bench.cpp prints it natively.
add_executable(web_frame_bench ${CMAKE_SOURCE_DIR}/bench/frame_bench.cpp)
target_link_libraries(web_frame_bench PRIVATE quorvex_core)
target_include_directories(web_frame_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(web_frame_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${qv_web_out}
  OUTPUT_NAME bench SUFFIX ".js")
target_link_options(web_frame_bench PRIVATE -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1)
configure_file(${CMAKE_SOURCE_DIR}/web/bench.html ${qv_web_out}/bench.html COPYONLY)
