#!/usr/bin/env bash
# Installs every Debian package the build, the game, the tests and the tools use (the
# packaging tests validate the launcher and metadata, read the .deb with dpkg-dev, judge it
# with lintian and parse the Flatpak manifest with python3-yaml; scripts/perf.sh runs the game
# under openbox on Xvfb; the Wayland test runs it under weston on Xvfb).
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail

PACKAGES=(
    build-essential g++ cmake pkg-config
    libsdl2-dev libopenal-dev libpng-dev zlib1g-dev libjpeg-dev
    libogg-dev libvorbis-dev libfreetype-dev
    libcairo2-dev
    gettext
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool strace openbox weston
    desktop-file-utils appstream dpkg-dev file groff-base lintian python3-yaml gzip
)
if [ "${QUILLOX_FUZZ:-0}" = 1 ]; then
    PACKAGES+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
