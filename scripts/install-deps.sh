#!/usr/bin/env bash
# Installs the Debian packages Sumtopia needs to build, run and test, skipping what is present.
# Usage: scripts/install-deps.sh [--bench] [--package]
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-liberation
    libcups2-dev
    cups cups-client printer-driver-cups-pdf poppler-utils
    locales
    desktop-file-utils appstream man-db groff-base libxml2-utils
)
for option in "$@"; do
    case "$option" in
    --bench) packages+=(xvfb xauth libxcb1-dev) ;;
    --package) packages+=(debhelper dpkg-dev fakeroot lintian) ;;
    *)
        echo "install-deps.sh: unknown option '$option'; allowed: --bench, --package" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
    "${missing[@]}"
