#!/usr/bin/env bash
# Writes what the command line shows and saves for a fixed set of drawings (the examples,
# every format version of the fuzz corpus, a synthetic drawing): previews and their traces,
# info, lists, palette exports, copies, diffs, audit and apply. A redesign that keeps
# behaviour leaves two snapshots equal: `diff -r BEFORE AFTER` prints nothing.
# Usage: tools/behaviour_snapshot.sh BUILD OUT   (run from the repository's root)
set -uo pipefail
repo=.; build=$1; out=$2
cli=$build/pennatran-cli
rm -rf "$out"; mkdir -p "$out/in" "$out/o"
cp "$repo"/examples/*.jww "$repo"/fuzz/corpus/*.jww "$out/in/"
"$build/gen_drawing" "$out/in/synthetic-20000.jww" 20000 7 >/dev/null
src="$out/in/palette-source.jww"
for f in "$out"/in/*.jww; do
  n=$(basename "$f" .jww)
  "$cli" preview "$f" -o "$out/o/$n.png" --trace "$out/o/$n.trace" >"$out/o/$n.preview.out" 2>&1; echo "rc=$?" >>"$out/o/$n.preview.out"
  "$cli" preview "$f" -o "$out/o/$n.big.png" --size 1200x800 >"$out/o/$n.big.out" 2>&1; echo "rc=$?" >>"$out/o/$n.big.out"
  "$cli" info --json --entities "$f" >"$out/o/$n.info.json" 2>&1; echo "rc=$?" >>"$out/o/$n.info.json"
  "$cli" info "$f" >"$out/o/$n.info.txt" 2>&1; echo "rc=$?" >>"$out/o/$n.info.txt"
  "$cli" colors "$f" >"$out/o/$n.colors" 2>&1; echo "rc=$?" >>"$out/o/$n.colors"
  "$cli" linetypes "$f" >"$out/o/$n.linetypes" 2>&1; echo "rc=$?" >>"$out/o/$n.linetypes"
  "$cli" export "$f" -o "$out/o/$n.palette.json" >"$out/o/$n.export.out" 2>&1; echo "rc=$?" >>"$out/o/$n.export.out"
  "$cli" copy "$src" "$f" --colors all --linetypes all -o "$out/o/$n.copy.jww" >"$out/o/$n.copy.out" 2>&1; echo "rc=$?" >>"$out/o/$n.copy.out"
  "$cli" copy "$f" "$src" --colors 17-40 --linetypes 17,20 -o "$out/o/$n.copyback.jww" >"$out/o/$n.copyback.out" 2>&1; echo "rc=$?" >>"$out/o/$n.copyback.out"
  "$cli" diff "$src" "$f" >"$out/o/$n.diff" 2>&1; echo "rc=$?" >>"$out/o/$n.diff"
done
"$cli" audit "$out/o/palette-source.palette.json" "$out/in" >"$out/o/audit.out" 2>&1; echo "rc=$?" >>"$out/o/audit.out"
"$cli" apply "$out/o/palette-source.palette.json" "$out/in" --dry-run >"$out/o/apply-dry.out" 2>&1; echo "rc=$?" >>"$out/o/apply-dry.out"
"$cli" apply "$out/o/palette-source.palette.json" "$out/in" --out-dir "$out/o/applied" --json --verbose --jobs 1 >"$out/o/apply.out" 2>&1; echo "rc=$?" >>"$out/o/apply.out"
"$cli" copy "$out/o/synthetic-20000.palette.json" "$src" --colors all --linetypes all --verbose -o "$out/o/frompalette.jww" >"$out/o/frompalette.out" 2>&1; echo "rc=$?" >>"$out/o/frompalette.out"
echo garbage > "$out/in/bad.jww"; "$cli" info --json "$out/in/bad.jww" >"$out/o/bad.out" 2>&1; echo "rc=$?" >>"$out/o/bad.out"
"$cli" copy "$out/in/bad.jww" "$src" -o "$out/o/x.jww" --colors all >>"$out/o/bad.out" 2>&1; echo "rc=$?" >>"$out/o/bad.out"
"$cli" copy "$src" "$src" -o "$out/o/x.jww" --colors 5 >>"$out/o/bad.out" 2>&1; echo "rc=$?" >>"$out/o/bad.out"
sed -i "s#$out#OUT#g" "$out"/o/*.out "$out"/o/*.diff "$out"/o/*.info.* "$out"/o/*.colors "$out"/o/*.linetypes 2>/dev/null
rm -rf "$out/in"
