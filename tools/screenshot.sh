#!/usr/bin/env bash
# The README's picture of the window: both example drawings opened, under a virtual X server.
set -euo pipefail
build=${1:-build}
app="$build/pennatran"
src=examples/palette-source.jww
dst=examples/plan-destination.jww
out=docs/screenshot.png
if [ ! -x "$app" ] || [ ! -f "$src" ] || [ ! -f "$dst" ]; then
  echo "screenshot: the window program or the example drawings are not there yet"
  exit 1
fi
mkdir -p docs
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "$app" --screenshot "$out" "$src" "$dst"
echo "screenshot: wrote $out"
