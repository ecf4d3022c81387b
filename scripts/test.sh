#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, then runs every stage: formatting, the licence of
# every file (REUSE), the build with warnings as errors and every test, the
# static analysers, the package and its hardening, the headless tour, zelmo.exe
# with its tests and tour under Wine and the release files built twice (when Qt
# for Windows is at hand), the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzing. A failed stage does not stop the
# others; the last lines name it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${build_packages[@]}" clang-format clang-tidy clazy reuse desktop-file-utils \
    appstream lintian dpkg-dev devscripts clang libclang-rt-14-dev

passed=0
skipped=0
failed=()

# stage NAME COMMAND...: runs the command, stopping at its first failing step.
stage() {
    local name=$1 status
    shift
    echo "== $name"
    local started=$SECONDS
    set +e
    (
        set -e
        "$@"
    )
    status=$?
    set -e
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
        echo "-- $name: passed in $((SECONDS - started)) s"
    else
        failed+=("$name")
        echo "-- $name: FAILED (exit $status)"
    fi
}

formatting() {
    git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
}

static_analysis() {
    cmake --workflow --preset tidy
    cmake --workflow --preset clazy
}

headless_tour() {
    mkdir -p build/tour
    scripts/tour.sh | tee build/tour/tour.log
}

fuzzing() {
    cmake --workflow --preset fuzz
    scripts/fuzz.sh
}

stage "Formatting" formatting
stage "Licences (reuse lint)" reuse lint
stage "Build and tests" cmake --workflow --preset default
stage "Static analysis (clang-tidy, clazy)" static_analysis
stage "Package" scripts/check-package.sh
stage "Headless tour" headless_tour
if scripts/windows.sh --available; then
    stage "Windows: zelmo.exe, its tests and its tour under Wine" scripts/windows.sh --test
    stage "Release files, built twice and compared" scripts/check-reproducible.sh
else
    echo "== Windows: skipped, no Qt for Windows at hand. Name a prebuilt archive in"
    echo "ZELMO_QT_WINDOWS_ARCHIVE (.ci/run names the shared one), or run scripts/windows.sh"
    echo "once to build it from Debian's source (about 45 minutes); it is then kept in"
    echo "~/.cache/zelmo. The release files, which hold zelmo.exe, are skipped with it."
    skipped=$((skipped + 2))
fi
stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer" cmake --workflow --preset asan
stage "Fuzzing" fuzzing

echo
if [ ${#failed[@]} -gt 0 ]; then
    printf 'Failed stage: %s\n' "${failed[@]}"
fi
echo "stages: $passed passed, ${#failed[@]} failed, $skipped skipped"
[ ${#failed[@]} -eq 0 ]
