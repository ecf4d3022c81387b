#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Replays the seed corpus through each fuzzer, then fuzzes each for a bounded time
# (ZELMO_FUZZ_SECONDS, 20 by default). Needs the fuzz preset built.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds="${ZELMO_FUZZ_SECONDS:-20}"
fuzzers=build/fuzz/tests/fuzz
artifacts="$PWD/build/fuzz/artifacts"
mkdir -p "$artifacts"
while read -r target; do
    fuzzer="$fuzzers/fuzz_$target"
    seeds="tests/fuzz/corpus/$target"
    log="$artifacts/$target.log"
    echo "-- $target: replaying $(ls "$seeds" | wc -l) seeds"
    "$fuzzer" "$seeds"/* >"$log" 2>&1 </dev/null || { cat "$log"; exit 1; }

    # New inputs go to a scratch corpus, never into the repository.
    corpus=$(mktemp -d)
    cp "$seeds"/* "$corpus"
    echo "-- $target: fuzzing for $seconds s"
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$corpus" >"$log" 2>&1 </dev/null || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        exit "$status"
    fi
    grep -E "^Done" "$log"
done <"$fuzzers/fuzz-targets.txt"
