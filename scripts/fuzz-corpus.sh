#!/usr/bin/env bash
# Adds the real content to the fuzz corpora: every entry of graphics.dat goes to the targets
# that parse its kind, framed the way each target reads its input (fonts and pictures take a
# first byte choosing the format), with the default options.dat, an example scores.dat and the
# headless replays. Usage: scripts/fuzz-corpus.sh BUILD_DIR (qvtool and graphics.dat in
# BUILD_DIR/bin, corpora in BUILD_DIR/corpus/fuzz_<name>/).
set -euo pipefail

build=${1:?usage: fuzz-corpus.sh BUILD_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
qvtool=$build/bin/qvtool
archive=$build/bin/graphics.dat
corpus=$build/corpus

# add TARGET NAME SELECTOR: writes the entry NAME into TARGET's corpus, after the selector byte
# (a decimal value) when one is given.
add() {
  local target=$1 name=$2 selector=${3:-} out
  out=$corpus/$target/real-$name${selector:+-$selector}
  mkdir -p "$corpus/$target"
  {
    if [ -n "$selector" ]; then printf "\\$(printf '%03o' "$selector")"; fi
    "$qvtool" extract "$archive" "$name"
  } >"$out"
}

mkdir -p "$corpus/fuzz_archive"
cp "$archive" "$corpus/fuzz_archive/real-graphics.dat"

# fuzz_pictures: the selector's value modulo 6 picks espr, sft, spr, tga, cmb, aspr; its value
# divided by 8 sets the side of the resampled loads (1 + value / 8). Each picture goes in twice,
# at sides 1 and 4 (the selector plus 24 picks the same format).
picture_format() {
  case $1 in
    *.espr) echo 0 ;; *.sft) echo 1 ;; *.spr) echo 2 ;; *.tga) echo 3 ;; *.cmb) echo 4 ;;
    *.aspr) echo 5 ;; *) echo "" ;;
  esac
}

"$qvtool" list "$archive" | while read -r name _; do
  case $name in
    *.scr)
      add fuzz_script "$name"
      add fuzz_gui_script "$name"
      ;;
    *.cfn) add fuzz_fonts "$name" 0 ;;
    *.font) add fuzz_fonts "$name" 1 ;;
    *.lst) add fuzz_text_lists "$name" ;;
    *.lspr | *.txt) add fuzz_gui_texts "$name" ;;
    *.aspr)
      add fuzz_aspr "$name"
      add fuzz_pictures "$name" 5
      ;;
  esac
  format=$(picture_format "$name")
  if [ -n "$format" ] && [ "$format" != 5 ]; then
    add fuzz_pictures "$name" "$format"
    add fuzz_pictures "$name" $((format + 24))
  fi
done

# Settings: the options a fresh install starts with, and a scores.dat of the game's layout (a
# little-endian count, then 32-byte records: mode, score, an 11-byte name, a 13-byte text).
mkdir -p "$corpus/fuzz_settings"
cp "$root/data/options.default" "$corpus/fuzz_settings/real-options.dat"
python3 - "$corpus/fuzz_settings/example-scores.dat" <<'EOF'
import struct, sys
records = [(1, 1250, b"Ann", b"12.50m"), (2, 900, b"Bo", b"L3 9.00m"), (4, 47, b"Cyd", b"47 goos")]
out = struct.pack("<i", len(records))
for mode, score, name, text in records:
    out += struct.pack("<Ii", mode, score) + name.ljust(11, b"\0") + text.ljust(13, b"\0")
open(sys.argv[1], "wb").write(out)
EOF

mkdir -p "$corpus/fuzz_text_lists"
for replay in "$root"/tests/e2e/replays/*.replay; do
  cp "$replay" "$corpus/fuzz_text_lists/real-$(basename "$replay")"
done
echo "fuzz-corpus: $(find "$corpus" -name 'real-*' -o -name 'example-*' | wc -l) real inputs in $corpus"
