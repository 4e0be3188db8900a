#!/usr/bin/env bash
# Prints the speed figures of the main operations (see README.md for the goals).
set -euo pipefail
build=${1:-build}
mkdir -p "$build/bench-data"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/pennatran_bench" "$build/bench-data"
bash "$(dirname "$0")/bench_apply.sh" "$build"
