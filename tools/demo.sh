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
mkdir -p "$build/demo"
out="$build/demo/plan-with-palette.jww"
echo "== destination colours before (first 5 lines) =="
"$cli" colors "$dst" | head -n 5
"$cli" copy "$src" "$dst" -o "$out" --colors all --linetypes all
echo "== destination colours after (first 5 lines) =="
"$cli" colors "$out" | head -n 5
echo "== destination line types after (first 3 lines) =="
"$cli" linetypes "$out" | head -n 3
"$cli" preview "$out" -o "$build/demo/plan-with-palette.png" --size 600x336 || true
echo "demo: wrote $out"
