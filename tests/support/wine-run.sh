#!/bin/sh
# Runs a test program built for Windows under Wine (the build's emulator). Qt Test
# writes its report to a file, printed here: under Wine, a program with no console
# of its own cannot print it.
set -u
program=$1
shift
case $(basename "$program") in
tst_*)
    report="wine-report-$$.txt"
    status=0
    wine "$program" -o "$report,txt" "$@" || status=$?
    cat "$report" 2>/dev/null || echo "no report from $program"
    rm -f "$report"
    exit "$status"
    ;;
*)
    exec wine "$program" "$@"
    ;;
esac
