#!/usr/bin/env bash
# Measures the game's CPU share while it idles at the start menu: runs build/bin/quorvex (or
# $1) for SECONDS (default 20) and reads its user and system time from /proc. With no display
# it uses SDL's dummy video driver, which presents nothing but runs the same loop.
set -euo pipefail
game=${1:-build/bin/quorvex}
seconds=${SECONDS_TO_MEASURE:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$(dirname "$game")/graphics.dat" "$work/"
cp "$(dirname "$game")/options.dat" "$work/" 2>/dev/null || true
cp "$game" "$work/quorvex"
[ -n "${DISPLAY:-}" ] || export SDL_VIDEODRIVER=dummy
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
"$work/quorvex" &
pid=$!
sleep 2  # start-up
read -r -a before < "/proc/$pid/stat"
sleep "$seconds"
read -r -a after < "/proc/$pid/stat"
kill "$pid"
wait "$pid" 2>/dev/null || true
ticks=$(getconf CLK_TCK)
used=$(( (after[13] + after[14]) - (before[13] + before[14]) ))
echo "quorvex at the start menu: $(awk -v u="$used" -v t="$ticks" -v s="$seconds" \
  'BEGIN { printf "%.1f", 100 * u / t / s }') % of one core over $seconds s"
