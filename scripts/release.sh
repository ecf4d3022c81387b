#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Leaves the release files of the current commit in dist/: the Debian package, the
# Windows zip and installer, the source archive, and SHA256SUMS for the four. Two
# runs from the same commit, in any folders and at any times, give the same files
# byte for byte: every date in them is the commit's. Qt for Windows is taken as
# windows.sh takes it; with none at hand this says so and fails, rather than spend
# 45 minutes building it (scripts/windows.sh does that).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if ! git diff --quiet HEAD --; then
    echo "Uncommitted changes: the release files would not be those of the commit." >&2
    exit 1
fi
if ! scripts/windows.sh --available; then
    echo "No Qt for Windows at hand: name a prebuilt archive in ZELMO_QT_WINDOWS_ARCHIVE," >&2
    echo "or an installed one in ZELMO_QT_WINDOWS, or build it once with scripts/windows.sh." >&2
    exit 1
fi
install_packages "${build_packages[@]}" dpkg-dev
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(commit_epoch)

rm -rf dist
mkdir dist
deb=$(scripts/debian-package.sh | tail -n 1)
cp "$deb" dist/
scripts/windows.sh --program-only | tail -n 2 | xargs -d '\n' cp -t dist/
source="zelmo-$(built_version build/package)-source"
git archive --format=tar --prefix="$source/" HEAD | gzip -9n >"dist/$source.tar.gz"
(cd dist && sha256sum -- *.deb *.zip *.msi *.tar.gz >SHA256SUMS)
echo "Release files in $PWD/dist:"
(cd dist && ls -l --time-style=+ -- * | awk '{print "  " $NF ", " $5 " bytes"}')
