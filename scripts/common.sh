# Shared by run.sh and test.sh: install what is missing, then configure and build.
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

# build_preset NAME [cmake --build options]
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
}
