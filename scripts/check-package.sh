#!/usr/bin/env bash
# Checks the Debian package made by `make package`: it must hold the game, qvtool, the content,
# the default options, the desktop entry, the icon and the Debian documents.
set -euo pipefail
deb=$(ls "${1:-build-package}"/quorvex_*.deb)
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/games/quorvex ./usr/games/qvtool ./usr/share/games/quorvex/graphics.dat \
            ./usr/share/games/quorvex/options.dat ./usr/share/applications/quorvex.desktop \
            ./usr/share/icons/hicolor/64x64/apps/quorvex.png ./usr/share/doc/quorvex/copyright \
            ./usr/share/doc/quorvex/changelog.gz; do
  if ! grep -q " $path\$" <<<"$contents"; then
    echo "check-package: $deb lacks $path" >&2
    exit 1
  fi
done
dpkg-deb --field "$deb" Depends | grep -q libsdl2-mixer || { echo "check-package: no SDL_mixer dependency" >&2; exit 1; }
echo "check-package: $deb holds the game, its content and its desktop files"
