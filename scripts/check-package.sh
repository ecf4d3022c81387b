#!/usr/bin/env bash
# Checks what a user installs: the tree `cmake --install` lays down (desktop entry,
# AppStream record, icons), and the Debian package, with dpkg-deb and lintian,
# unpacked into a throw-away root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=build/default
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/stage/usr" >/dev/null
# The application id names the desktop entry; the build writes it from CMakeLists.txt.
desktop=$(ls "$work"/stage/usr/share/applications/*.desktop)
app_id=$(basename "$desktop" .desktop)
desktop-file-validate "$work/stage/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$work/stage/usr/share/metainfo/$app_id.metainfo.xml"
for file in usr/bin/zelmo \
    usr/share/icons/hicolor/16x16/apps/$app_id.png \
    usr/share/icons/hicolor/32x32/apps/$app_id.png \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    test -s "$work/stage/$file" || { echo "not installed: $file"; exit 1; }
done

rm -f "$build"/zelmo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zelmo_*_"$(dpkg --print-architecture)".deb)
dpkg-deb --field "$deb" Package Version Depends
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)

# The package holds exactly what the install lays down.
dpkg-deb -x "$deb" "$work/root"
diff <(cd "$work/stage" && find . -type f | sort) <(cd "$work/root" && find . -type f | sort)
echo "Package and installed tree: OK"
