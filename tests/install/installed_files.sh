#!/bin/sh
# `cmake --install` into a temporary prefix puts the program, its icon in
# every size, the desktop entry, the AppStream data and the help pages where
# they are looked for; the entry and the data validate where the validators exist.
set -e
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
for f in bin/ondalab share/applications/org.ondalab.Ondalab.desktop \
  share/metainfo/org.ondalab.Ondalab.metainfo.xml share/icons/hicolor/scalable/apps/ondalab.svg \
  share/ondalab/help/frmleggediohm.it.md share/ondalab/help/frmleggediohm.en.md \
  share/ondalab/translations/ondalab_en.qm; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; status=1; }
done
for size in 16 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/ondalab.png"
  [ -f "$png" ] || { echo "not installed: $png"; status=1; continue; }
  # The PNG header gives width and height as big-endian words at bytes 16 and 20.
  width=$(od -An -tu1 -j16 -N4 "$png" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  [ "$width" -eq "$size" ] || { echo "$png is $width pixels wide"; status=1; }
done
[ -x "$prefix/bin/ondalab" ] || { echo "bin/ondalab cannot be run"; status=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.ondalab.Ondalab.desktop" | grep -v "hint:" && status=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.ondalab.Ondalab.metainfo.xml" >/dev/null ||
    { echo "the AppStream data does not validate"; status=1; }
fi
exit $status
