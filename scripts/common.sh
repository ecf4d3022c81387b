# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts: install what is missing, run on a virtual display.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Debian 12 packages the program needs to build and run.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-liberation2 xvfb xauth)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are not installed yet; quick when nothing is missing.
install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

# on_virtual_display WIDTHxHEIGHT COMMAND...: runs the command on an X server of
# its own, with no window manager.
on_virtual_display() {
    local screen=$1
    shift
    xvfb-run -a -s "-screen 0 ${screen}x24" "$@"
}

# The program's version, as the build in the given folder was configured with.
built_version() {
    cat "$1/version.txt"
}

# The time of the commit being built: what release files carry as their date,
# so that two builds of one commit are the same. Now, outside a git checkout.
commit_epoch() {
    git log -1 --format=%ct 2>/dev/null || date +%s
}
