#!/usr/bin/env bash
# House rules a machine can check: SDL stays inside the platform layer and the SDL_mixer sound
# library (src/sound/sdl), nothing uses the host's
# rand()/srand() or wall-clock time outside the platform layer. Prints each offending line.
set -u
cd "$(dirname "$0")/.."
status=0
report() { # $1 = what is wrong, rest = grep output
  local what=$1; shift
  if [ -n "$*" ]; then
    echo "check-rules: $what:"; printf '%s\n' "$*" | sed 's/^/  /'; status=1
  fi
}
# grep over code with // comments removed, printing file:line:text.
code_grep() { # $1 = extended regex, files on stdin
  xargs -r awk -v re="$1" '{ line = $0; sub(/\/\/.*/, "", line); if (line ~ re) print FILENAME ":" FNR ": " $0 }'
}
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 2>/dev/null || find src tools -name '*.cpp' -o -name '*.h')

sdl=$(printf '%s\n' $files | grep -v -e '^src/platform/sdl/' -e '^src/sound/sdl/' | xargs -r grep -nE '#include\s*[<"]SDL' 2>/dev/null)
report "SDL included outside src/platform/sdl and src/sound/sdl" "$sdl"

rnd=$(printf '%s\n' $files | code_grep '(^|[^A-Za-z0-9_.>:])s?rand[ \t]*\(')
report "host rand()/srand() used (use util::Random)" "$rnd"

clock=$(printf '%s\n' $files | grep -v '^src/platform/' | grep -v '^tools/' |
  code_grep '(std::chrono::(system|steady|high_resolution)_clock|[^a-z_]time\((NULL|nullptr|0)\)|gettimeofday|clock_gettime)')
report "wall-clock time read outside the platform layer" "$clock"

[ $status -eq 0 ] && echo "check-rules: ok"
exit $status
