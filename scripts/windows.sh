#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# zelmo.exe for 64-bit Windows, cross-built on this Debian machine with MinGW-w64
# and a static Qt (see qt-windows.sh for where that Qt comes from), zipped, and
# tested under Wine.
#
#   scripts/windows.sh              builds zelmo.exe, zelmo-<version>-windows-x64.zip and the
#                                   installer zelmo-<version>-windows-x64.msi
#   scripts/windows.sh --program-only  the same without the tests; prints the zip's and
#                                   the installer's paths last
#   scripts/windows.sh --test       also reads back the exe's resources and imports,
#                                   runs every test and the tour under Wine, and
#                                   installs, upgrades and uninstalls the installer
#   scripts/windows.sh --available  says whether Qt for Windows is at hand, and builds nothing
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source scripts/qt-windows.sh

windows_packages=("${build_packages[@]}" g++-mingw-w64-x86-64-posix wine wine64 python3-pefile
    xdotool xclip wixl msitools faketime liblnk-utils)

# wine_prefix FOLDER FACES: makes FOLDER the Wine prefix in use, prepared once.
# FACES is "replaced" or "plain". Wine has none of the Windows faces: a "replaced"
# prefix gives the faces the windows ask for their metric-compatible Liberation
# stand-ins under the Windows names; a "plain" one has no replacements, as a Windows
# where a face is missing would meet the program. Its windows are not left to a
# window manager (the virtual X server has none): otherwise hiding a window waits
# two seconds for one to answer.
wine_prefix() {
    export WINEPREFIX="$PWD/build/windows/$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix ($2 faces)"
        wineboot -i >/dev/null 2>&1
        if [ "$2" = replaced ]; then
            local face
            for face in "Microsoft Sans Serif=Liberation Sans" "Arial=Liberation Sans" \
                "Times New Roman=Liberation Serif"; do
                wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /t REG_SZ \
                    /d "${face#*=}" /f >/dev/null 2>&1
            done
        fi
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        display_scale 96
        wineserver -w
    fi
}

# display_scale DPI: the display's scale in the prefix in use, as Windows' own
# setting holds it (96 for 100 %, 144 for 150 %), for the programs started next.
display_scale() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

if [ "${1:-}" = "--available" ]; then
    [ -n "$(qt_at_hand)" ]
    exit
fi

install_packages "${windows_packages[@]}"
provide_qt_windows

# Build: with the commit's time wherever a time is written (rcc's resources).
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(commit_epoch)}"
if [ "${1:-}" = "--program-only" ]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target zelmo
else
    cmake --workflow --preset windows
fi
exe=build/windows/zelmo.exe

# Zip: what the install lays beside zelmo.exe, in one folder named after the version.
version=$(built_version build/windows)
top="zelmo-$version-windows-x64"
zip="$PWD/build/windows/$top.zip"
rm -rf build/windows/zip "$zip"
cmake --install build/windows --prefix build/windows/zip >/dev/null
/usr/bin/python3 scripts/make-zip.py build/windows/zip "$zip" "$top"
# The installer, from the same files.
msi="$PWD/build/windows/zelmo-$version-windows-x64.msi"
/usr/bin/python3 scripts/make-msi.py build/windows/zip data/globe.ico "$version" "$msi"
echo "Built $exe ($(du -h "$exe" | cut -f1)) and:"
echo "$zip"
echo "$msi"

[ "${1:-}" = "--test" ] || exit 0

echo "-- The executable's resources and imports"
/usr/bin/python3 scripts/check-windows-exe.py "$exe" "$version"

# Each prefix keeps one Wine server for all its tests, not one started for each.
trap 'for prefix in build/windows/wine build/windows/wine-plain; do
    WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true; done' EXIT

echo "-- Tests under Wine, the faces replaced by their stand-ins"
wine_prefix wine replaced
wineserver -p
on_virtual_display 1280x1024 ctest --preset windows
echo "-- zelmo.exe alone in an empty folder, and the tour, under Wine"
scripts/windows-tour.sh "$zip" tour-windows

echo "-- Tests under Wine with no face replaced, as a Windows lacking a face meets them"
wine_prefix wine-plain plain
wineserver -p
on_virtual_display 1280x1024 ctest --preset windows
echo "-- The tour with no face replaced, at 100 % and at 150 %"
scripts/windows-tour.sh "$zip" tour-windows-plain --tour-only
display_scale 144
scripts/windows-tour.sh "$zip" tour-windows-plain-150 --tour-only

echo "-- The installer under Wine: install, run, reinstall, uninstall, upgrade"
# The upgrade: the same files under the next version number (1.00 -> 1.01).
higher="${version%.*}.$(printf '%02d' $((10#${version##*.} + 1)))"
mkdir -p build/windows/upgrade
/usr/bin/python3 scripts/make-msi.py build/windows/zip data/globe.ico "$higher" \
    "build/windows/upgrade/zelmo-$higher-windows-x64.msi"
scripts/windows-installer.sh "$msi" "build/windows/upgrade/zelmo-$higher-windows-x64.msi"
