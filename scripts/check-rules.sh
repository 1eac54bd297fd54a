#!/usr/bin/env bash
# House rules a machine can check: every include of src/ points down the layers, SDL stays inside
# the platform layer and the SDL_mixer sound library (src/sound/sdl), nothing uses the host's
# rand()/srand() or wall-clock time outside the platform layer. Prints each offending line.
# The build runs it (target check_rules), so a broken rule fails the build.
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

# The layers, each with the folders of src/ its files may include (the longest matching folder
# decides, so game/world is its own layer below game).
layers='
util:util
platform:platform util
gfx:gfx util
resources:resources util
script:script util
sound:sound resources util
gui:gui gfx resources script util
game/world:game/world util
game:game game/world gui gfx resources script sound util
settings:settings gui gfx resources script sound platform util
natives:natives settings game game/world gui gfx resources script sound platform util
app:app natives settings game game/world gui gfx resources script sound platform util'
upward=$(printf '%s\n' $files | grep '^src/.*/' | xargs -r awk -v layers="$layers" '
  BEGIN { n = split(layers, rows, "\n"); for (i = 1; i <= n; i++) if (rows[i] != "") {
            split(rows[i], kv, ":"); allowed[kv[1]] = " " kv[2] " " } }
  function layer_of(path,    best, l) {
    best = ""; for (l in allowed) if (index(path "/", l "/") == 1 && length(l) > length(best)) best = l
    return best }
  FNR == 1 { own = layer_of(substr(FILENAME, 5)) }
  /^[ \t]*#include[ \t]*"/ {
    target = $0; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
    if (index(target, "/") == 0) next
    to = layer_of(target)
    if (own != "" && to != "" && index(allowed[own], " " to " ") == 0)
      print FILENAME ":" FNR ": " $0 "   (" own " may not include " to ")" }')
report "include of a higher layer" "$upward"

sdl=$(printf '%s\n' $files | grep -v -e '^src/platform/sdl/' -e '^src/sound/sdl/' | xargs -r grep -nE '#include\s*[<"]SDL' 2>/dev/null)
report "SDL included outside src/platform/sdl and src/sound/sdl" "$sdl"

rnd=$(printf '%s\n' $files | code_grep '(^|[^A-Za-z0-9_.>:])s?rand[ \t]*\(')
report "host rand()/srand() used (use util::Random)" "$rnd"

clock=$(printf '%s\n' $files | grep -v '^src/platform/' | grep -v '^tools/' |
  code_grep '(std::chrono::(system|steady|high_resolution)_clock|[^a-z_]time\((NULL|nullptr|0)\)|gettimeofday|clock_gettime)')
report "wall-clock time read outside the platform layer" "$clock"

[ $status -eq 0 ] && echo "check-rules: ok"
exit $status
