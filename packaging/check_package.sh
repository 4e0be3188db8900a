#!/usr/bin/env bash
# Checks the Debian package built into BUILD: the desktop entry, lintian and the hardening it
# sees, the files an installed program brings, the AppStream metainfo, a run of the unpacked
# command line, and the MIME type a .jww resolves to.
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
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" | tee "$scratch/lintian"
# Lintian tells missing hardening only as information.
if grep -E 'hardening-no-(fortify-functions|bindnow|relro|pie)' "$scratch/lintian"; then
  echo "the programs are built without hardening" >&2
  exit 1
fi

dpkg -x "$deb" "$scratch/root"
root=$scratch/root
if command -v hardening-check >/dev/null; then
  echo "hardening-check"
  hardening-check "$root/usr/bin/pennatran" "$root/usr/bin/pennatran-cli"
fi

echo "installed files"
expected=(
  usr/share/applications/pennatran.desktop
  usr/share/metainfo/org.example.pennatran.Pennatran.metainfo.xml
  usr/share/mime/packages/pennatran.xml
  usr/share/icons/hicolor/scalable/mimetypes/application-x-jww.svg
  usr/share/icons/hicolor/48x48/mimetypes/application-x-jww.png
  usr/share/man/man1/pennatran.1.gz
  usr/share/man/man1/pennatran-cli.1.gz
  usr/share/man/ja/man1/pennatran.1.gz
  usr/share/man/ja/man1/pennatran-cli.1.gz
  usr/share/doc/pennatran/copyright
  usr/share/doc/pennatran/palette-format.md
  usr/share/doc/pennatran/palette.schema.json
)
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || { echo "missing from the package: /$file" >&2; exit 1; }
done
grep -qx 'Exec=pennatran %F' "$root/usr/share/applications/pennatran.desktop" ||
  { echo "the desktop entry does not pass every selected file" >&2; exit 1; }
# Removing the package must take all it brought: nothing outside /usr, no configuration
# files or maintainer scripts that could leave some behind.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -E '^\./(usr(/.*)?)?$' || true)
[ -z "$outside" ] || { echo "files outside /usr: $outside" >&2; exit 1; }
dpkg-deb -e "$deb" "$scratch/control"
for script in conffiles preinst postinst prerm postrm; do
  [ ! -e "$scratch/control/$script" ] || { echo "unexpected $script in the package" >&2; exit 1; }
done

# Software centres refuse a component with errors; warnings are shown and let pass.
echo "appstreamcli validate"
metainfo=$root/usr/share/metainfo/org.example.pennatran.Pennatran.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) && validated=yes || validated=no
echo "$report"
if grep -q '^E:' <<<"$report" || { [ $validated = no ] && ! grep -q '^W:' <<<"$report"; }; then
  echo "the AppStream metainfo does not validate" >&2
  exit 1
fi

echo "unpacked pennatran-cli --version"
version=$(env -u XDG_RUNTIME_DIR "$root/usr/bin/pennatran-cli" --version)
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
