#!/usr/bin/env bash
# Prints the size of the browser page's files as a static host would send them (gzip -9).
set -euo pipefail
dist=$1
total=0
while IFS= read -r -d '' file; do
  total=$((total + $(gzip -9c "$file" | wc -c)))
done < <(find "$dist" -type f -print0)
awk -v b="$total" 'BEGIN { printf "web_dist_gzip_bytes %d (%.2f MB)\n", b, b / 1000000 }'
