#!/usr/bin/env bash
# The main job on the bundled example drawings.
set -euo pipefail
build=${1:-build}
cli="$build/pennatran-cli"
src=examples/palette-source.jww
dst=examples/plan-destination.jww
if [ ! -x "$cli" ] || [ ! -f "$src" ] || [ ! -f "$dst" ]; then
  echo "demo: the command line or the example drawings are not there yet"
  exit 0
fi
out_dir="$build/demo"
mkdir -p "$out_dir"
out="$out_dir/plan-with-palette.jww"
# Lists go through files: head closing a pipe early would fail the script under pipefail.
"$cli" colors "$dst" >"$out_dir/colors-before.txt"
echo "== destination colours before (first 5 lines) =="
head -n 5 "$out_dir/colors-before.txt"
"$cli" copy "$src" "$dst" -o "$out" --colors all --linetypes all
"$cli" colors "$out" >"$out_dir/colors-after.txt"
"$cli" linetypes "$out" >"$out_dir/linetypes-after.txt"
echo "== destination colours after (first 5 lines) =="
head -n 5 "$out_dir/colors-after.txt"
echo "== destination line types after (first 3 lines) =="
head -n 3 "$out_dir/linetypes-after.txt"
"$cli" preview "$out" -o "$out_dir/plan-with-palette.png" --size 600x336
"$cli" preview "$src" -o "$out_dir/palette-source.png" --size 600x336
echo "demo: wrote $out and previews in $out_dir"
