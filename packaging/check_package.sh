#!/usr/bin/env bash
# Checks the Debian package built into BUILD: the desktop entry, lintian, a run of the
# unpacked command line, and the MIME type a .jww resolves to.
set -euo pipefail
build=${1:?usage: check_package.sh BUILD}
here=$(cd "$(dirname "$0")" && pwd)
shopt -s nullglob
debs=("$build"/pennatran_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one pennatran_*.deb in $build" >&2; exit 1; }
deb=${debs[0]}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "desktop-file-validate"
desktop-file-validate "$here/pennatran.desktop"

echo "lintian $deb"
lintian --fail-on error --tag-display-limit 0 "$deb"

echo "unpacked pennatran-cli --version"
dpkg -x "$deb" "$scratch/root"
version=$(env -u XDG_RUNTIME_DIR "$scratch/root/usr/bin/pennatran-cli" --version)
[[ $version == "pennatran-cli "* ]] || { echo "unexpected version: $version" >&2; exit 1; }
echo "$version"

echo "MIME type of a .jww"
export XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/root/usr/share"
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$scratch/root/usr/share/mime/packages/pennatran.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
# A drawing by its name (any letter case) and, renamed, by its first bytes.
printf 'JwwData.\x5e\x02\x00\x00' > "$scratch/Plan.JWW"
cp "$scratch/Plan.JWW" "$scratch/renamed.bin"
for file in "$scratch/Plan.JWW" "$scratch/renamed.bin"; do
  type=$(XDG_CURRENT_DESKTOP=X-Generic xdg-mime query filetype "$file")
  [ "$type" = application/x-jww ] || { echo "$file resolved to '$type'" >&2; exit 1; }
done
echo "application/x-jww"
