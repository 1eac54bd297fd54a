#!/usr/bin/env bash
# Measures the game's CPU share over SECONDS_TO_MEASURE (default 20) seconds at the start menu
# and, when Xvfb and xdotool are installed, also during a classic game: runs build/bin/quorvex
# (or $1) from a scratch copy of its folder and reads its user and system time from
# /proc/<pid>/stat. Each is measured twice: with pictures at the display's rate (the default)
# and with --classic-frames (25 a second), and how many pictures a second reached the window is
# printed beside the share. Without Xvfb it uses SDL's dummy video driver, which presents
# nothing but runs the same loop; there only the start menu is measured.
set -euo pipefail
game=${1:-build/bin/quorvex}
seconds=${SECONDS_TO_MEASURE:-20}
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$(dirname "$game")/graphics.dat" "$work/"
cp "$(dirname "$game")/options.dat" "$work/" 2>/dev/null || true
cp "$game" "$work/quorvex"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

driver=dummy
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  for n in $(seq 91 110); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      driver=x11
      break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
fi
[ "$driver" = x11 ] || export SDL_VIDEODRIVER=dummy

# Prints the share of one core the game used over the next $seconds seconds.
measure() {
  local before after ticks used
  read -r -a before < "/proc/$game_pid/stat"
  sleep "$seconds"
  read -r -a after < "/proc/$game_pid/stat"
  ticks=$(getconf CLK_TCK)
  used=$(((after[13] + after[14]) - (before[13] + before[14])))
  awk -v u="$used" -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * u / t / s }'
}

# Clicks the logical screen point (x, y) in the game's window.
click() {
  local id geometry
  id=$(xdotool search --onlyvisible --name '^Quorvex$' | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  local scale=$((WIDTH / 240))
  xdotool mousemove $((X + $1 * scale + scale / 2)) $((Y + $2 * scale + scale / 2)) click 1
  sleep 0.6
}

# Pictures a second over the last two-second count the game printed.
rate() {
  tail -n 1 "$work/pictures.txt" | awk '{ printf "%.0f", $2 / $5 }'
}

for presentation in "" --classic-frames; do
  name=${presentation:-"pictures at the display's rate"}
  (cd "$work" && exec ./quorvex --count-pictures $presentation >pictures.txt) &
  game_pid=$!
  sleep 2  # start-up
  share=$(measure)
  echo "quorvex ($driver video, $name) at the start menu: $share % of one core over" \
    "$seconds s, $(rate) pictures/s"
  if [ "$driver" = x11 ]; then
    click 120 120  # play
    click 120 108  # classic
    click 120 208  # start
    sleep 2
    click 120 190  # past the briefing
    share=$(measure)
    echo "quorvex ($driver video, $name) in a classic game: $share % of one core over" \
      "$seconds s, $(rate) pictures/s"
  fi
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
done
