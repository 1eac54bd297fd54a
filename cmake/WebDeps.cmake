# The libraries of the web build, compiled with emcc from Debian's sources by
# scripts/install-web-deps.sh into QV_WEB_DEPS_PREFIX. They take the names the desktop build
# gets from pkg-config and FindZLIB, so the layers link the same targets on both.
set(QV_WEB_DEPS_PREFIX "${CMAKE_SOURCE_DIR}/build-web/deps/prefix" CACHE PATH
    "Where scripts/install-web-deps.sh installed zlib, libxmp, SDL2 and SDL2_mixer")
set(qv_web_lib ${QV_WEB_DEPS_PREFIX}/lib)
foreach(lib libz.a libxmp.a libSDL2.a libSDL2_mixer.a)
  if(NOT EXISTS ${qv_web_lib}/${lib})
    message(FATAL_ERROR "${qv_web_lib}/${lib} is missing: run scripts/install-web-deps.sh")
  endif()
endforeach()

add_library(ZLIB::ZLIB INTERFACE IMPORTED)
target_include_directories(ZLIB::ZLIB INTERFACE ${QV_WEB_DEPS_PREFIX}/include)
target_link_libraries(ZLIB::ZLIB INTERFACE ${qv_web_lib}/libz.a)

add_library(PkgConfig::SDL2 INTERFACE IMPORTED)
target_include_directories(PkgConfig::SDL2 INTERFACE ${QV_WEB_DEPS_PREFIX}/include/SDL2)
target_link_libraries(PkgConfig::SDL2 INTERFACE ${qv_web_lib}/libSDL2.a)

add_library(PkgConfig::SDL2_MIXER INTERFACE IMPORTED)
target_include_directories(PkgConfig::SDL2_MIXER INTERFACE ${QV_WEB_DEPS_PREFIX}/include/SDL2)
target_link_libraries(PkgConfig::SDL2_MIXER INTERFACE ${qv_web_lib}/libSDL2_mixer.a
                      ${qv_web_lib}/libxmp.a PkgConfig::SDL2)
