#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# zelmo.exe for 64-bit Windows, cross-built on this Debian machine with MinGW-w64
# and a static Qt (see qt-windows.sh for where that Qt comes from), zipped, and
# tested under Wine.
#
#   scripts/windows.sh              builds zelmo.exe and zelmo-<version>-windows-x64.zip
#   scripts/windows.sh --program-only  the same without the tests; prints the zip's path
#   scripts/windows.sh --test       also reads back the exe's resources and imports,
#                                   runs every test and the tour under Wine
#   scripts/windows.sh --available  says whether Qt for Windows is at hand, and builds nothing
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source scripts/qt-windows.sh

windows_packages=("${build_packages[@]}" g++-mingw-w64-x86-64-posix wine wine64 python3-pefile
    xdotool xclip)

# A Wine prefix for the tests: made once per build folder. Wine has none of the
# faces the windows were drawn with; it is given their metric-compatible Liberation
# stand-ins under the Windows names. Its windows are not left to a window manager
# (the virtual X server has none): otherwise hiding a window waits two seconds for
# one to answer.
prepare_wine() {
    export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix"
        wineboot -i >/dev/null 2>&1
        local face
        for face in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" \
            "MS Sans Serif=Liberation Sans"; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /t REG_SZ \
                /d "${face#*=}" /f >/dev/null 2>&1
        done
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
    fi
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
top="zelmo-$(built_version build/windows)-windows-x64"
zip="$PWD/build/windows/$top.zip"
rm -rf build/windows/zip "$zip"
cmake --install build/windows --prefix build/windows/zip >/dev/null
/usr/bin/python3 scripts/make-zip.py build/windows/zip "$zip" "$top"
echo "Built $exe ($(du -h "$exe" | cut -f1)) and:"
echo "$zip"

[ "${1:-}" = "--test" ] || exit 0

echo "-- The executable's resources and imports"
/usr/bin/python3 scripts/check-windows-exe.py "$exe" "$(built_version build/windows)"

prepare_wine
wineserver -p # one Wine server for every test, not one started for each
trap 'wineserver -k 2>/dev/null || true' EXIT
echo "-- Tests under Wine"
on_virtual_display 1280x1024 ctest --preset windows

echo "-- zelmo.exe alone in an empty folder, and the tour, under Wine"
scripts/windows-tour.sh "$zip"
