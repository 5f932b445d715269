#!/bin/bash
# Installs, from Debian 12's packages, whatever of the build and test tools is missing.
set -eu

packages=(
    cmake g++ make pkg-config git ca-certificates
    qt6-base-dev libgl-dev libxcb1-dev
    libjpeg62-turbo-dev libpng-dev zlib1g-dev libasound2-dev
    fonts-wqy-microhei fonts-arphic-ukai
    xvfb xauth openbox xdotool x11-utils wmctrl imagemagick
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
