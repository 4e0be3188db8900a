#!/usr/bin/env bash
# Runs one fuzzer (load_fuzzer unless named) for a number of seconds over the committed
# corpus. New inputs go to a scratch folder; a crash leaves its input in fuzz/findings/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
fuzzer=${3:-load_fuzzer}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p fuzz/findings
seeds=(fuzz/corpus fuzz/regressions examples)
[ "$fuzzer" = palette_fuzzer ] && seeds=(docs fuzz/palettes)
"$build/fuzz/$fuzzer" -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 \
  -timeout=10 -artifact_prefix=fuzz/findings/ -print_final_stats=1 \
  "$work" "${seeds[@]}" 2>&1 | tail -n 25
