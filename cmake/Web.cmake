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
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
  -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
  -sEXPORTED_RUNTIME_METHODS=FS,ENV
  -sMODULARIZE=0 -sEXIT_RUNTIME=1
  --js-library ${CMAKE_SOURCE_DIR}/web/sdl_helpers.js
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=[qv_sdl_helpers] --profiling-funcs)
set_property(TARGET quorvex APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/sdl_helpers.js)
configure_file(${CMAKE_SOURCE_DIR}/web/index.html ${qv_web_out}/index.html COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/options.default ${qv_web_out}/options.dat COPYONLY)
