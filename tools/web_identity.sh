#!/usr/bin/env bash
# The browser build must behave as the native build: the same texts (code page 932 both
# ways, full-width forms, Japanese eras and weekdays, number texts) and the same loads and
# saves of whole, cut and changed drawings. Usage: web_identity.sh BUILD WEB_BUILD
set -euo pipefail
build=$1
web_build=$2
# Saves are made durable; a memory-backed folder keeps that quick.
out=$(mktemp -d -p "$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$out"' EXIT
drawings=(examples/*.jww fuzz/corpus/* fuzz/regressions/*)
mkdir -p "$out/native" "$out/web"

compare() {
  local name=$1
  if ! cmp -s "$out/$name-native.txt" "$out/$name-web.txt"; then
    echo "$name: the browser build differs from the native build:"
    diff "$out/$name-native.txt" "$out/$name-web.txt" | head -40
    exit 1
  fi
  echo "$name: $(wc -l <"$out/$name-native.txt") lines alike"
}

"$build/tests/text_identity" >"$out/text_identity-native.txt"
node "$web_build/text_identity.js" >"$out/text_identity-web.txt"
compare text_identity

"$build/tests/load_identity" "$out/native" "${drawings[@]}" >"$out/load_identity-native.txt"
node "$web_build/load_identity.js" "$out/web" "${drawings[@]}" >"$out/load_identity-web.txt"
compare load_identity
