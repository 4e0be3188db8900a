#!/usr/bin/env bash
# The browser build must give the native build's texts: code page 932 both ways, full-width
# forms, Japanese eras and weekdays, number texts. Usage: text_identity.sh BUILD WEB_BUILD
set -euo pipefail
build=$1
web_build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/tests/text_identity" >"$out/native.txt"
node "$web_build/text_identity.js" >"$out/web.txt"
if ! cmp -s "$out/native.txt" "$out/web.txt"; then
  echo "text_identity: the browser build differs from the native build:"
  diff "$out/native.txt" "$out/web.txt" | head -40
  exit 1
fi
echo "text_identity: $(wc -l <"$out/native.txt") lines alike"
