#!/bin/sh
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program built for Windows under Wine (the build's emulator). Its
# output goes through a file, printed once it ends: Qt Test writes its report there
# (under Wine a program with no console of its own cannot print it), and Wine's
# own helper processes, which outlive the test, do not hold the test's output open.
set -u
program=$1
shift
output="wine-output-$$.txt"
status=0
case $(basename "$program") in
tst_*) wine "$program" -o "$output,txt" "$@" >"$output.wine" 2>&1 </dev/null || status=$? ;;
*) wine "$program" "$@" >"$output" 2>&1 </dev/null || status=$? ;;
esac
cat "$output" 2>/dev/null || { echo "no output from $program:"; cat "$output.wine"; }
rm -f "$output" "$output.wine"
exit "$status"
