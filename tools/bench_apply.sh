#!/usr/bin/env bash
# apply_vs_serial: one `pennatran-cli apply` over 200 synthetic drawings of 10 000 entities
# (default jobs) against 200 times one `pennatran-cli copy` process on such a drawing.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
cli="$build/pennatran-cli"
data="$build/bench-data/apply"
source="$here/../examples/palette-source.jww"
count=200
runs=5

rm -rf "$data"
mkdir -p "$data/drawings"
"$build/gen_drawing" "$data/one.jww" 10000 7 >/dev/null

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.6f", b - a }'; }

# Median of the copy process's time over several runs, each on a fresh drawing.
copy_times=()
for ((i = 0; i < runs; i++)); do
  cp "$data/one.jww" "$data/copy.jww"
  start=$(now)
  "$cli" copy "$source" "$data/copy.jww" -o "$data/copy.jww" --colors all --linetypes all \
    >/dev/null
  copy_times+=("$(since "$start")")
done
copy_seconds=$(printf '%s\n' "${copy_times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")

for ((i = 0; i < count; i++)); do cp "$data/one.jww" "$data/drawings/d$i.jww"; done
start=$(now)
"$cli" apply "$source" "$data/drawings" --in-place >/dev/null
apply_seconds=$(since "$start")

printf '  apply %.4f s over %d drawings, copy %.4f s each\n' "$apply_seconds" "$count" \
  "$copy_seconds" >&2
awk -v a="$apply_seconds" -v c="$copy_seconds" -v n="$count" \
  'BEGIN { printf "apply_vs_serial %.3f\n", a / (n * c) }'
rm -rf "$data"
