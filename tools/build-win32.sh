#!/bin/bash
# tools/build-win32.sh: builds the native Windows program, build-win32/quorvane.exe, with mingw-w64, and
# beside it the programs its tests run under Wine. The first run also fetches Debian's sources of
# libjpeg-turbo and libpng and builds them static for Windows (tools/win32-deps.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-win32
"$root/tools/win32-setup.sh" build
"$root/tools/win32-deps.sh" "$out/deps"
cmake -S "$root" -B "$out/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQV_WIN32_DEPS="$out/deps" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/build" -j"$(nproc)"
for exe in quorvane.exe quorvane_win32_tests.exe quorvane_fatal_start.exe; do
    [ -f "$out/build/$exe" ] && cp "$out/build/$exe" "$out/"
done
echo "Built $out/quorvane.exe"
