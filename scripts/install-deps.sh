#!/usr/bin/env bash
# Installs the Debian packages VerdoChat needs to build, test and run, but only
# those that are missing, so that a machine that has everything is not touched.
# Usage: scripts/install-deps.sh [--gui-tools] [--packaging]
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-14 libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev liblua5.4-dev pkg-config
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation fonts-dejavu-core ccache
    desktop-file-utils appstream libxml2-utils shared-mime-info xdg-utils
    libfile-mimeinfo-perl man-db gzip systemd dbus-daemon
)
for option in "$@"; do
    case "$option" in
        --gui-tools) packages+=(xvfb xauth xdotool imagemagick x11-apps dunst) ;;
        --packaging) packages+=(dpkg-dev fakeroot lintian adduser) ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
