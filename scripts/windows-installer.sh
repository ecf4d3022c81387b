#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer under Wine, in a fresh prefix with no face replaced, as a
# user meets it, all with msiexec's quiet mode:
#  1. installed, for the user alone, into %LOCALAPPDATA%\Programs\Zelmo, with a
#     Start-menu entry that starts zelmo.exe in that folder;
#  2. the installed zelmo.exe, started there, types the Paris example and saves
#     Lat and Long beside itself;
#  3. installed again, the same version changes nothing;
#  4. uninstalled: the program and its entry go, Lat and Long stay;
#  5. installed again, then a higher version over it: the program is replaced,
#     Lat and Long kept; uninstalled once more, Lat and Long still there.
#
#   scripts/windows-installer.sh MSI HIGHER_MSI
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

msi=$(realpath "$1")
higher=$(realpath "$2")
export WINEPREFIX="$PWD/build/windows/wine-installer" WINEDEBUG=-all
# No Linux menu entries made for the Windows shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT

unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r')" 2>/dev/null; }
folder="$(unix_path '%LOCALAPPDATA%')/Programs/Zelmo"
shortcut="$(unix_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs/Zelmo.lnk"
site_files() { (cd "$folder" && sha256sum Lat Long); }
installed_versions() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null \
        | tr -d '\r' | awk '/DisplayName/ {name = $3} /DisplayVersion/ && name == "Zelmo" {print $3}'
}
fail() {
    echo "FAILED: $*"
    exit 1
}
msiexec() {
    wine msiexec "$@" /qn || fail "msiexec $* (exit $?)"
    wineserver -w
}

echo "-- The package: for the user alone, with its icon and publisher for the installed apps list"
# Word count 10: compressed (2), no elevated rights needed (8); no ALLUSERS: per user.
msiinfo suminfo "$msi" | grep -q "^Source: 10 " || fail "the package asks for administrator rights"
! msiinfo export "$msi" Property | grep -q "^ALLUSERS" || fail "the package installs for all users"
msiinfo export "$msi" Property | tr -d '\r' | grep -E "^(ARPPRODUCTICON|Manufacturer|ProductVersion)"
msiinfo export "$msi" Property | grep -q "^ARPPRODUCTICON.globe.ico" || fail "no icon for the list"
# (msiinfo writes the icons' data beside the table: in a folder of its own.)
(cd "$(mktemp -d)" && msiinfo export "$msi" Icon | grep -q "^globe.ico") || fail "no icon in the package"

echo "-- Installed"
msiexec /i "$msi"
[ -f "$folder/zelmo.exe" ] && [ -f "$folder/LISEZMOI.txt" ] && [ -f "$folder/licences/THIRD-PARTY.txt" ] \
    || fail "zelmo.exe, LISEZMOI.txt and the licences not in $folder"
[ "$(installed_versions)" = "1.00" ] || fail "installed apps list: $(installed_versions)"
lnkinfo "$shortcut" | tr -d '\r' >"$PWD/build/windows/shortcut.txt" || fail "no Start-menu entry"
grep -E "Local path|Working directory" "$PWD/build/windows/shortcut.txt"
grep -q 'Working directory.*\\AppData\\Local\\Programs\\Zelmo\\$' "$PWD/build/windows/shortcut.txt" \
    || fail "the Start-menu entry does not start zelmo.exe in its folder"

echo "-- The installed zelmo.exe, in its folder"
wineserver -k # the session's Wine starts afresh on its own display
scripts/windows-tour.sh "$folder" tour-windows-installed || fail "the typed session"

echo "-- The same version installed again"
before=$(cd "$folder" && find . -type f -exec sha256sum {} + | sort)
msiexec /i "$msi"
[ "$(cd "$folder" && find . -type f -exec sha256sum {} + | sort)" = "$before" ] \
    || fail "installing the same version again changed the folder"
[ "$(installed_versions)" = "1.00" ] || fail "installed apps list: $(installed_versions)"

echo "-- Uninstalled"
site=$(site_files)
msiexec /x "$msi"
[ "$(ls -A "$folder" | tr '\n' ' ')" = "Lat Long " ] || fail "left in $folder: $(ls -A "$folder")"
[ "$(site_files)" = "$site" ] || fail "Lat and Long changed"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
[ -z "$(installed_versions)" ] || fail "still listed: $(installed_versions)"

echo "-- Installed again, then a higher version over it"
msiexec /i "$msi"
msiexec /i "$higher"
[ "$(installed_versions)" = "1.01" ] || fail "installed apps list: $(installed_versions)"
[ -f "$folder/zelmo.exe" ] && [ -e "$shortcut" ] || fail "the higher version is not installed"
[ "$(site_files)" = "$site" ] || fail "Lat and Long changed"
msiexec /x "$higher"
[ "$(ls -A "$folder" | tr '\n' ' ')" = "Lat Long " ] || fail "left in $folder: $(ls -A "$folder")"
[ -z "$(installed_versions)" ] || fail "still listed: $(installed_versions)"
echo "Installed, run, reinstalled, uninstalled and upgraded: Lat and Long kept throughout."
