#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Zelmo and starts it. Without a display, runs
# the headless tour instead: the real program under a virtual X server.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${build_packages[@]}"
# Only what is run here: the program and the tour, not the tests.
cmake --workflow --preset program >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/default/src/app/zelmo
fi

echo "Pas d'affichage graphique : visite guidée sous un serveur X virtuel (Xvfb)."
exec scripts/tour.sh
