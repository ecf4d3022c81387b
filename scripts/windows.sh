#!/usr/bin/env bash
# zelmo.exe for 64-bit Windows, cross-built on this Debian machine with MinGW-w64
# and a static Qt (see qt-windows.sh for where that Qt comes from), zipped, and
# tested under Wine.
#
#   scripts/windows.sh              builds zelmo.exe and zelmo-<version>-windows-x64.zip
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

# Build
cmake --workflow --preset windows
exe=build/windows/zelmo.exe

# Zip: CPack names it after the version.
rm -f build/windows/zelmo-*.zip
zip=$(cd build/windows && cpack -G ZIP | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
echo "Built $exe ($(du -h "$exe" | cut -f1)) and $zip"

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
