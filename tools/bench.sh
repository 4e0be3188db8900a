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
