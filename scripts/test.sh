#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors,
# runs every test, checks the package and the headless tour, builds zelmo.exe and
# runs its tests and tour under Wine (when Qt for Windows is at hand), runs the
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes
# for a while.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${build_packages[@]}" clang-format desktop-file-utils appstream lintian dpkg-dev \
    clang libclang-rt-14-dev

stages=0
skipped=0
echo "== Formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
stages=$((stages + 1))

echo "== Build"
build_preset default

echo "== Tests"
ctest --preset default
stages=$((stages + 1))

echo "== Package"
scripts/check-package.sh
stages=$((stages + 1))

echo "== Headless tour"
mkdir -p build/tour
scripts/tour.sh | tee build/tour/tour.log
grep -q "Azimut 165,98, Elévation 33" build/tour/tour.log
stages=$((stages + 1))

echo "== Windows: zelmo.exe, its tests and its tour under Wine"
if scripts/windows.sh --available; then
    started=$SECONDS
    scripts/windows.sh --test
    echo "Windows stage: $((SECONDS - started)) s"
    stages=$((stages + 1))
else
    echo "Skipped: no Qt for Windows at hand. Name a prebuilt archive in ZELMO_QT_WINDOWS_ARCHIVE"
    echo "(.ci/run names the shared one), or run scripts/windows.sh once to build it from"
    echo "Debian's source (about 45 minutes); it is then kept in ~/.cache/zelmo."
    skipped=$((skipped + 1))
fi

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build_preset asan
ctest --preset asan
stages=$((stages + 1))

echo "== Fuzzing"
build_preset fuzz
scripts/fuzz.sh
stages=$((stages + 1))

# Any failure above has already stopped the script.
echo
echo "stages: $stages passed, 0 failed, $skipped skipped"
