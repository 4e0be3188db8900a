#!/usr/bin/env bash
# Prints the speed figures of the main operations (see README.md for the goals).
set -euo pipefail
build=${1:-build}
mkdir -p "$build/bench-data"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/pennatran_bench" "$build/bench-data"
# The window polls the X server for Escape while it draws: only xcb measures that.
if [ -x "$build/bench/pennatran_window_bench" ]; then
  if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a "$build/bench/pennatran_window_bench" "$build/bench-data"
  else
    echo "window_preview_vs_cli: skipped, xvfb-run is missing" >&2
  fi
fi
bash "$(dirname "$0")/bench_apply.sh" "$build"
# The browser build's load from memory under node, against the native one on the same bytes.
web_build=${2:-}
if [ -n "$web_build" ] && [ -f "$web_build/load_from_memory_bench.js" ]; then
  drawing="$build/bench-data/load-1m.jww"
  native=$("$build/bench/load_from_memory_bench" "$drawing" 1000000 | awk '{ print $2 }')
  wasm=$(node "$web_build/load_from_memory_bench.js" "$drawing" | awk '{ print $2 }')
  rm -f "$drawing"
  echo "  load_wasm_1m $wasm s, load_native_1m $native s" >&2
  awk -v w="$wasm" -v n="$native" 'BEGIN { printf "wasm_load_vs_native %.3f\n", w / n }'
fi
# The page opening a synthetic drawing in Chromium, from the file chooser to the preview
# shown, against the command line's preview of the same file at the same size, in the same
# run; and the renderer's peak memory against the file's size.
web_tests="$(dirname "$0")/../web/tests"
dist=${3:-"$(dirname "$0")/../web/dist"}
if [ -f "$dist/pennatran-worker.js" ] && command -v "${CHROMIUM:-chromium}" >/dev/null && command -v npm >/dev/null; then
  [ -d "$web_tests/node_modules/playwright-core" ] ||
    (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error >&2)
  for entities in 100000 1000000; do
    drawing="$build/bench-data/page-$entities.jww"
    "$build/gen_drawing" "$drawing" "$entities"
    read -r _ page size peak < <(node "$web_tests/page_open_bench.mjs" "$dist" "$drawing")
    start=$(date +%s.%N)
    "$build/pennatran-cli" preview "$drawing" -o "$build/bench-data/page-preview.png" --size "$size" >/dev/null
    cli=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { print e - s }')
    bytes=$(stat -c %s "$drawing")
    rm -f "$drawing" "$build/bench-data/page-preview.png"
    name=page_open_vs_cli
    [ "$entities" = 1000000 ] && name=page_open_vs_cli_1m
    awk -v p="$page" -v c="$cli" -v n="$entities" -v s="$size" -v m="$peak" -v b="$bytes" 'BEGIN {
      printf "  page_open %s s, cli_preview %.3f s at %d entities (%s px); renderer peak %.0f MB, %.1f x the file (%.1f MB)\n",
        p, c, n, s, m / 1e6, m / b, b / 1e6 > "/dev/stderr" }'
    awk -v p="$page" -v c="$cli" -v name="$name" 'BEGIN { printf "%s %.2f\n", name, p / c }'
  done
else
  echo "page_open_vs_cli: skipped, needs make web, chromium and npm" >&2
fi
