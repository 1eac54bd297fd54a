#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build and the tests need that are missing.
# Installed packages are left alone, so a machine that has everything makes no network call.
set -euo pipefail

packages=(
  cmake g++ make pkg-config             # the build
  zlib1g-dev                            # archive entries are zlib streams
  libsdl2-dev libsdl2-mixer-dev         # window, input, audio
  libpng-dev libfreetype-dev            # qvtool and the asset generator: PNG, TrueType
  fonts-dejavu-core                     # the typefaces the game's fonts are rendered from
  libgtest-dev libgmock-dev libbenchmark-dev  # tests and benchmarks
  imagemagick                           # independent reader/writer of pictures in the tests
  python3                               # independent readers of our formats in the tests
  sox openmpt123                        # independent readers of the generated sounds and songs
  xvfb                                  # an X server without a screen for the real-window test
  xdotool                               # clicks and drags into that window
)
packages+=(${QV_EXTRA_PACKAGES:-})

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo for apt-get" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
