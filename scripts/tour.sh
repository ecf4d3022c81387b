#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# The headless tour: types the Paris example into the real program under Xvfb,
# prints the results and saves a screenshot of each window under build/tour. The
# tour fails unless the results are the example's.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

out="$PWD/build/tour"
mkdir -p "$out"
# The tour runs in its own folder so that it neither reads nor writes the user's site files.
cd "$out"
rm -f Lat Long
# French numbers through env, not bash: bash would warn where the French locale is
# not generated, and Qt reads the names alone.
XDG_RUNTIME_DIR="$(mktemp -d)" on_virtual_display 1024x768 \
    env LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 timeout 120 ../default/tools/zelmo-tour "$out" "$@"
