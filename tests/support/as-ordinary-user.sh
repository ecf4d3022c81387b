#!/bin/sh
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test as an ordinary user: file permissions do not bind root, so a test
# of what a user meets in a read-only folder runs as "nobody" when started by
# root. The test is copied where that user can reach it, whatever the path of
# the build folder.
set -eu
test_program=$1
shift
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    exec "$test_program" "$@"
fi
place=$(mktemp -d)
trap 'rm -rf "$place"' EXIT
chmod 755 "$place"
cp "$test_program" "$place/"
mkdir -m 1777 "$place/tmp"
status=0
(cd "$place" && TMPDIR="$place/tmp" HOME="$place/tmp" setpriv --reuid=nobody --regid="$(id -g nobody)" \
    --clear-groups -- "./$(basename "$test_program")" "$@") || status=$?
exit "$status"
