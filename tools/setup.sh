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

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
