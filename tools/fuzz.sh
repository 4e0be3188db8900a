#!/usr/bin/env bash
# Runs one fuzzer for a number of seconds over its committed seeds, or, with "all", every
# fuzzer in turn with an equal share of those seconds. New inputs go to a scratch folder; a
# crash leaves its input in fuzz/findings/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
fuzzer=${3:-load_fuzzer}
mkdir -p fuzz/findings

seeds_of() {
  case "$1" in
    palette_fuzzer) echo docs fuzz/palettes ;;
    *) echo fuzz/corpus fuzz/regressions examples ;;
  esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_one() {
  local name=$1 time=$2
  local seeds=()
  for folder in $(seeds_of "$name"); do [ -d "$folder" ] && seeds+=("$folder"); done
  echo "== $name for $time s"
  mkdir -p "$work/$name"
  "$build/fuzz/$name" -max_total_time="$time" -max_len=262144 -rss_limit_mb=2048 \
    -timeout=10 -artifact_prefix=fuzz/findings/ -print_final_stats=1 \
    "$work/$name" "${seeds[@]}" 2>&1 | tail -n 25
}

if [ "$fuzzer" != all ]; then
  run_one "$fuzzer" "$seconds"
  exit
fi
targets=()
for exe in "$build"/fuzz/*_fuzzer; do [ -x "$exe" ] && targets+=("$(basename "$exe")"); done
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
for name in "${targets[@]}"; do run_one "$name" "$share"; done
