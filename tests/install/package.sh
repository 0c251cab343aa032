#!/bin/sh
# The .deb that `make package` builds: the installed files (help pages
# included) under /usr, the Debian Qt 6 runtime packages as its
# dependencies, and nothing lintian warns about or finds unhardened.
set -e
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/ondalab_*.deb)
status=0
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for f in ./usr/bin/ondalab ./usr/share/applications/org.ondalab.Ondalab.desktop \
  ./usr/share/man/man1/ondalab.1.gz ./usr/share/doc/ondalab/copyright ./usr/share/doc/ondalab/changelog.gz \
  ./usr/share/metainfo/org.ondalab.Ondalab.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/ondalab.svg \
  ./usr/share/icons/hicolor/48x48/apps/ondalab.png ./usr/share/ondalab/help/frmleggediohm.it.md \
  ./usr/share/ondalab/translations/ondalab_en.qm; do
  echo "$files" | grep -qx "$f" || { echo "not in the package: $f"; status=1; }
done
echo "$files" | grep -q "ondalab-scenario\|ondalab-qt-tests\|ondalab-unit-tests" && { echo "test tools in the package"; status=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation2; do
  echo "$depends" | tr ',' '\n' | sed 's/ //g' | grep -qx "$p" || { echo "Depends lacks $p: $depends"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = ondalab ] || { echo "package name"; status=1; }
# Its hardening tags are only information: the binary of a hardened build
# (the second argument; not the sanitizer or Debug builds) must have none.
tags=$(lintian -I --fail-on error,warning "$deb" 2>/dev/null) || { echo "$tags"; echo "lintian: the tags above"; status=1; }
if [ "$2" = hardened ] && echo "$tags" | grep ' hardening-'; then
  echo "lintian: the program is not hardened"
  status=1
fi
exit $status
