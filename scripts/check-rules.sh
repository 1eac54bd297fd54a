#!/usr/bin/env bash
# House rules a machine can check: SDL stays inside the platform layer, nothing uses the host's
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
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 2>/dev/null || find src tools -name '*.cpp' -o -name '*.h')

sdl=$(printf '%s\n' $files | grep -v '^src/platform/sdl/' | xargs -r grep -nE '#include\s*[<"]SDL' 2>/dev/null)
report "SDL included outside src/platform/sdl" "$sdl"

rnd=$(printf '%s\n' $files | xargs -r grep -nE '(^|[^A-Za-z0-9_.>:])(std::)?s?rand\s*\(' 2>/dev/null)
report "host rand()/srand() used (use util::Random)" "$rnd"

clock=$(printf '%s\n' $files | grep -v '^src/platform/' | grep -v '^tools/' |
  xargs -r grep -nE '(std::chrono::(system|steady|high_resolution)_clock|[^a-z_]time\(NULL\)|gettimeofday|clock_gettime)' 2>/dev/null)
report "wall-clock time read outside the platform layer" "$clock"

[ $status -eq 0 ] && echo "check-rules: ok"
exit $status
