#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks what a user installs: the Debian package as debian-package.sh builds it,
# the tree `cmake --install` lays down (desktop entry, AppStream record, icons),
# the program's hardening, and the package with dpkg-deb and lintian, unpacked
# into a throw-away root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

deb=$(scripts/debian-package.sh | tail -n 1)
build=build/package
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


dpkg-deb --field "$deb" Package Version Depends
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)

# The package holds exactly what the install lays down.
dpkg-deb -x "$deb" "$work/root"
diff <(cd "$work/stage" && find . -type f | sort) <(cd "$work/root" && find . -type f | sort)

# The packaged program has Debian's hardening: position independent, stack
# protector, read-only relocations, immediate binding. Not asked: fortify, which
# cannot say yes for a program whose only fortifiable calls have sizes unknown
# when compiled (memcpy, memmove, memset), and control-flow protection, whose
# mark the linker drops when any object linked in was built without it. Stack
# clash is reported, never failed.
hardening-check --nofortify --nocfprotection "$work/root/usr/bin/zelmo"
echo "Package and installed tree: OK"
