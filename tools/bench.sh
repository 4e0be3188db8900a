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
