#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the release files of the current commit twice, in two fresh clones in
# two different folders, one after the other, and compares them byte for byte;
# names the first file that differs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first="$work/first/zelmo"
second="$work/second/elsewhere/zelmo"
for clone in "$first" "$second"; do
    git clone -q --no-hardlinks "$PWD" "$clone"
    echo "-- Release files in $clone ($(date -u +%H:%M:%S))"
    (cd "$clone" && scripts/release.sh >"$clone.log" 2>&1) || { tail -n 30 "$clone.log"; exit 1; }
    tail -n 5 "$clone.log"
done

names=$(cd "$first/dist" && ls)
[ "$names" = "$(cd "$second/dist" && ls)" ] || { echo "Not the same files in dist/"; exit 1; }
for name in $names; do
    if ! cmp -s "$first/dist/$name" "$second/dist/$name"; then
        echo "Differs between the two builds: $name"
        exit 1
    fi
done
echo "The two builds gave the same files: $(echo $names)"
