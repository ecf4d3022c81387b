#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build under Wine, on a virtual X server, as a user meets it:
#  1. zelmo.exe, unzipped alone into an empty folder, is typed into key by key
#     (the Paris example, then the site saved): its results are copied out through
#     the clipboard, and Lat and Long must appear beside it;
#  2. the tour program types the same example, checks its results and photographs
#     each window.
#
#   scripts/windows-tour.sh ZIP FOLDER [--tour-only]
#   scripts/windows-tour.sh INSTALLED FOLDER     only 1., in the installed zelmo.exe's folder
#
# leaves what it saw in build/FOLDER. Needs the Windows build (scripts/windows.sh)
# and a Wine prefix in $WINEPREFIX.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

given=$(realpath "$1") # the zip, or the folder of an installed zelmo.exe
out="$PWD/build/$2"
if [ -z "${ZELMO_ON_XVFB:-}" ]; then
    rm -rf "$out"
    mkdir -p "$out/alone"
    ZELMO_ON_XVFB=1 on_virtual_display 1024x768 timeout 300 "$0" "$@"
    exit
fi

# The programs get French numbers through env, not bash: bash would warn where the
# French locale is not generated, and Wine takes the Windows locale from the name.

# Keys reach a Wine window a little after they are sent, and a focus move made by
# the program a little after the key that caused it: each key waits its turn.
key() { xdotool key --window "$window" --delay 150 "$@"; sleep 0.3; }
type_text() { xdotool type --window "$window" --delay 200 "$1"; sleep 0.5; }

# type_session FOLDER: the Paris example typed into the zelmo.exe there, started
# in that folder, and the site saved beside it.
type_session() {
    local folder=$1
    echo "Folder before: $(ls -A "$folder" | tr '\n' ' ')"
    (cd "$folder" && env LC_ALL=fr_FR.UTF-8 timeout 120 wine ./zelmo.exe >/dev/null 2>&1) &
    window=$(xdotool search --sync --name "Vantor Azimut et")
    sleep 2
    xdotool windowfocus --sync "$window"

    type_text 13 # the window opens in the satellite position
    key Tab
    type_text e # on to Calcul by itself
    key Tab # D
    type_text 48
    type_text 51
    type_text n
    key Tab
    type_text 2
    key Tab
    type_text 21
    type_text e # on to D3
    key Tab Tab # Calcul
    key space
    key Tab Tab Tab Tab Tab Tab Tab # Azdg
    key ctrl+a ctrl+c
    local azimuth elevation
    azimuth=$(xclip -o -selection clipboard)
    key Tab ctrl+a ctrl+c # Eldg
    elevation=$(xclip -o -selection clipboard)
    echo "zelmo.exe: Azimut $azimuth, Elévation $elevation"
    key Tab Tab Tab Tab # Q, efface, efface2, Enreg
    key space
    sleep 1
    echo "Folder after: $(ls -A "$folder" | tr '\n' ' ')"
    echo "  Lat:  $(od -An -c "$folder/Lat" | tr -s ' ')"
    echo "  Long: $(od -An -c "$folder/Long" | tr -s ' ')"
    key shift+Tab shift+Tab shift+Tab space # Quitter
    wait

    [ "$azimuth" = "165,98" ] && [ "$elevation" = "33" ] \
        && [ "$(cat "$folder/Lat")" = $'"48","51","N"\r' ] \
        && [ "$(cat "$folder/Long")" = $'"2","21","E"\r' ]
}

run_alone() {
    (cd "$out/alone" && cmake -E tar xf "$given")
    type_session "$(dirname "$(find "$out/alone" -name zelmo.exe)")"
}

run_tour() {
    local tour="$PWD/build/windows/zelmo-tour.exe"
    (cd "$out" && env LC_ALL=fr_FR.UTF-8 timeout 180 wine "$tour" | tr -d '\r')
}

if [ -d "$given" ]; then
    type_session "$given"
    exit
fi
[ "${3:-}" = "--tour-only" ] || run_alone
run_tour | tee "$out/tour.log"
