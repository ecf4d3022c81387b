#!/bin/sh
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program built for Windows under Wine as an ordinary user, in folders
# that forbid new files: the folders get real permissions here, which Wine gives
# the program as a Windows user meets them. Root (CI) runs it as "nobody", with a
# Wine prefix of that user's own; anyone else as themselves.
#   writable-files   read-only folder, writable Lat and Long
#   no-files         read-only folder, empty
#   read-only-long   read-only folder, writable Lat, read-only Long
set -eu
program=$1
shift
place=$(mktemp -d)
trap 'chmod -R u+w "$place" 2>/dev/null; rm -rf "$place"' EXIT
chmod 755 "$place"
cp "$program" "$place/"

run_as=""
if [ "$(id -u)" -eq 0 ]; then
    run_as="setpriv --reuid=nobody --regid=$(id -g nobody) --clear-groups --"
    owner=nobody
else
    owner=$(id -un)
fi

folders="$place/folders"
mkdir -p "$folders/writable-files" "$folders/no-files" "$folders/read-only-long" "$place/home"
printf '"10","11","S"\r\n' >"$folders/writable-files/Lat"
printf '"12","13","O"\r\n' >"$folders/writable-files/Long"
cp "$folders/writable-files/Lat" "$folders/writable-files/Long" "$folders/read-only-long/"
chown -R "$owner" "$folders" "$place/home"
chmod 644 "$folders"/*/*
chmod 444 "$folders/read-only-long/Long"
chmod 555 "$folders"/*
# The folders stay the user's own but forbid new files: as a read-only folder does.

output="$place/home/output.txt"
status=0
(cd "$place" && env -u DISPLAY HOME="$place/home" WINEPREFIX="$place/home/wine" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" ZELMO_FOLDERS="Z:$folders" \
    $run_as sh -c 'wineboot -i >/dev/null 2>&1; wine "$0" -o "$1,txt" >/dev/null 2>&1; s=$?; wineserver -k 2>/dev/null; exit $s' \
    "./$(basename "$program")" "$output") || status=$?
cat "$output" 2>/dev/null || echo "no output from $program"
exit "$status"
