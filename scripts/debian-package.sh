#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package in build/package and prints its path. The program is
# compiled with Debian's own flags (dpkg-buildflags, every hardening feature on),
# and everything that would differ from one build of the same commit to the next
# (times, build paths) is pinned, so that the package comes out byte for byte the
# same.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(commit_epoch)}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
rm -rf build/package
cmake --preset package -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build --preset package >/dev/null
(cd build/package && cpack -G DEB >/dev/null)
ls "$PWD"/build/package/zelmo_*_"$(dpkg --print-architecture)".deb
