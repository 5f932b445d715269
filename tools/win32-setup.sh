#!/bin/bash
# tools/win32-setup.sh [build|test]: installs, from Debian 12's packages, what the Windows build needs
# (the mingw-w64 cross compiler, zlib for it, dpkg-dev to unpack source packages) and, with "test",
# what its tests need as well (Wine without its recommendations, Wine's own fonts for the classic
# frame, pefile, and the X tools that tools/setup.sh brings).
set -eu
packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev cmake make
)
if [ "${1:-build}" = test ]; then
    packages+=(
        wine wine64 fonts-wine python3-pefile python3
        fonts-wqy-microhei fonts-arphic-ukai xvfb xauth openbox xdotool x11-utils wmctrl imagemagick
    )
fi

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
