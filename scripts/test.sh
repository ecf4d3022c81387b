#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors
# and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${build_packages[@]}" clang-format

echo "== Formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== Build"
build_preset default

echo "== Tests"
ctest --preset default
