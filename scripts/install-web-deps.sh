#!/usr/bin/env bash
# Installs the web build's tool chain and builds the libraries it links, all from Debian:
#   - the emscripten and chromium packages (compiler and the browser of the smoke test);
#   - zlib, libxmp, SDL2 and SDL2_mixer compiled with emcc from Debian's source packages
#     (`apt-get source`), installed into $QV_WEB_DEPS (default build-web/deps).
# Emscripten's own "ports" fetch their sources from the internet at build time, so they are
# never used. Every step is skipped when its result is already there; each step's time is
# printed. Usage: scripts/install-web-deps.sh [DEPS_FOLDER]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
deps="$(realpath -m "${1:-${QV_WEB_DEPS:-$root/build-web/deps}}")"
prefix="$deps/prefix"
src="$deps/src"
jobs="${JOBS:-2}"
mkdir -p "$prefix" "$src"

# Debian's emscripten runs its optimizer with node; acorn comes from Debian's node modules,
# which another node first on the PATH would not look in.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-web-deps: need root or sudo for apt-get" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

step() {  # step NAME DONE_FILE COMMAND...: runs COMMAND unless DONE_FILE exists, and times it
  local name="$1" done="$2"
  shift 2
  if [ -e "$done" ]; then
    echo "install-web-deps: $name: already done"
    return
  fi
  local start=$SECONDS
  "$@"
  echo "install-web-deps: $name: $((SECONDS - start)) s"
}

packages=(emscripten chromium dpkg-dev cmake make python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

install_packages() {
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
if [ ${#missing[@]} -gt 0 ]; then
  step "apt-get install ${missing[*]}" /nonexistent install_packages
fi

# Built before (a CI cache, an earlier run): nothing to fetch.
built=1
for lib in libz.a libxmp.a libSDL2.a libSDL2_mixer.a; do
  [ -e "$prefix/lib/$lib" ] || built=0
done
if [ $built -eq 1 ]; then
  echo "install-web-deps: already built: $prefix"
  exit 0
fi

# Source packages come from the same suites as the machine's binary packages.
src_list=/etc/apt/sources.list.d/quorvex-web-src.sources
add_source_list() {
  local suites
  suites="$(grep -h '^Suites:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 | cut -d' ' -f2-)"
  if [ -z "$suites" ]; then
    suites="$(awk '$1 == "deb" && $2 ~ /debian\/?$/ {print $3; exit}' /etc/apt/sources.list)"
  fi
  [ -n "$suites" ] || { echo "install-web-deps: can't tell the Debian suite" >&2; exit 1; }
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$suites" | $sudo tee "$src_list" >/dev/null
  $sudo apt-get update -qq
}
if ! apt-cache showsrc libsdl2 2>/dev/null | grep -q '^Package: libsdl2$'; then
  step "deb-src list" "/nonexistent" add_source_list
fi

fetch_sources() {
  (cd "$src" && apt-get source -qq libsdl2 libsdl2-mixer zlib libxmp 2>&1 | grep -v '^dpkg-source: info' || true)
  # SDL 2.26 disconnects the Web Audio node of a closed device but leaves its handler: an
  # event already queued then runs the mixer on the freed device (a "divide by zero" trap when
  # the game closes and reopens audio). Silence the handler first, as later SDL releases do.
  sed -i 's|^\( *\)\(SDL2.audio.scriptProcessorNode.disconnect();\)|\1SDL2.audio.scriptProcessorNode.onaudioprocess = function(e) {};\n\1\2|' \
    "$(ls -d "$src"/libsdl2-2*/ | head -1)/src/audio/emscripten/SDL_emscriptenaudio.c"
  touch "$src/.fetched"
}
step "apt-get source" "$src/.fetched" fetch_sources

emcmake_build() {  # emcmake_build SOURCE_DIR BUILD_DIR CMAKE_ARGS...
  local s="$1" b="$2"
  shift 2
  emcmake cmake -S "$s" -B "$b" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$b.log" 2>&1 ||
    { tail -30 "$b.log"; exit 1; }
  cmake --build "$b" -j"$jobs" >>"$b.log" 2>&1 || { tail -30 "$b.log"; exit 1; }
  cmake --install "$b" >>"$b.log" 2>&1 || { tail -30 "$b.log"; exit 1; }
}

build_zlib() {
  local s
  s="$(ls -d "$src"/zlib-*/ | head -1)"
  (cd "$s" && CHOST=wasm32 emconfigure ./configure --static --prefix="$prefix" >"$deps/zlib.log" 2>&1 &&
    emmake make -j"$jobs" libz.a >>"$deps/zlib.log" 2>&1 && emmake make install >>"$deps/zlib.log" 2>&1) ||
    { tail -30 "$deps/zlib.log"; exit 1; }
}
step zlib "$prefix/lib/libz.a" build_zlib

build_libxmp() {
  local s
  s="$(ls -d "$src"/libxmp-*/ | head -1)"
  (cd "$s" && emconfigure ./configure --host=wasm32-unknown-emscripten --disable-shared --enable-static \
    --prefix="$prefix" \
    >"$deps/libxmp.log" 2>&1 && emmake make -j"$jobs" >>"$deps/libxmp.log" 2>&1 &&
    emmake make install >>"$deps/libxmp.log" 2>&1) || { tail -30 "$deps/libxmp.log"; exit 1; }
}
step libxmp "$prefix/lib/libxmp.a" build_libxmp

build_sdl2() {
  emcmake_build "$(ls -d "$src"/libsdl2-2*/ | head -1)" "$deps/sdl2-build" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
}
step SDL2 "$prefix/lib/libSDL2.a" build_sdl2

build_sdl2_mixer() {
  # SDL2_mixer's Findlibxmp.cmake calls find_package_handle_standard_args without including it.
  echo 'include(FindPackageHandleStandardArgs)' >"$deps/sdl2-mixer-fphsa.cmake"
  emcmake_build "$(ls -d "$src"/libsdl2-mixer-*/ | head -1)" "$deps/sdl2-mixer-build" \
    -DBUILD_SHARED_LIBS=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF \
    -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF \
    -DSDL2MIXER_MOD=ON -DSDL2MIXER_MOD_MODPLUG=OFF -DSDL2MIXER_MOD_XMP=ON -DSDL2MIXER_WAVE=ON \
    -DSDL2_DIR="$prefix/lib/cmake/SDL2" -Dlibxmp_LIBRARY="$prefix/lib/libxmp.a" \
    -Dlibxmp_INCLUDE_PATH="$prefix/include" -DCMAKE_PROJECT_INCLUDE="$deps/sdl2-mixer-fphsa.cmake"
}
step SDL2_mixer "$prefix/lib/libSDL2_mixer.a" build_sdl2_mixer

echo "install-web-deps: done: $prefix"
