#!/usr/bin/env bash
# Installs what the build, the tests, the screenshots and the .deb need from Debian's archive.
# Uses sudo when not root; installs nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n libqt6svg6
    libminizip-dev libxlsxwriter-dev
    fonts-noto-cjk fonts-noto-cjk-extra
    poppler-utils
    libbenchmark-dev
    xvfb xauth
    librsvg2-bin
    desktop-file-utils libxml2-utils shared-mime-info
    dpkg-dev file
    fet fet-data
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
