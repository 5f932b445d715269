#!/bin/bash
# tools/win32-deps.sh [PREFIX]: builds static libjpeg (libjpeg-turbo) and libpng for 64-bit Windows from
# Debian's own source packages, into PREFIX (build-win32/deps by default). Debian ships zlib for mingw
# (libz-mingw-w64-dev) but neither of these, so their sources are fetched with a private source list and
# lists folder: the machine's own apt configuration is left as it is.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-$root/build-win32/deps}
work=$(dirname "$prefix")/deps-src
triple=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64.cmake
jobs=$(nproc)

if [ -f "$prefix/.complete" ]; then
    exit 0
fi
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$prefix"

# deb-src lines for the mirrors and suites of the machine's own binary sources.
write_source_list() {
    local sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ]; then
        awk '
            /^URIs:/       { uri = $2 }
            /^Suites:/     { suites = ""; for (i = 2; i <= NF; i++) suites = suites " " $i }
            /^Components:/ { comps = ""; for (i = 2; i <= NF; i++) comps = comps " " $i }
            /^Signed-By:/  { key = $2 }
            /^$/           { flush() }
            END            { flush() }
            function flush(  n, s, i) {
                if (uri == "") return
                n = split(suites, s, " ")
                for (i = 1; i <= n; i++)
                    printf "deb-src [signed-by=%s] %s %s%s\n", key, uri, s[i], comps
                uri = ""; suites = ""; comps = ""; key = ""
            }' "$sources"
    else
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main"
    fi
}
write_source_list >"$work/apt/sources.list"
release=$(awk 'NR == 1 { print $4 }' "$work/apt/sources.list")

apt_private=(
    -o Dir::Etc::SourceList="$work/apt/sources.list"
    -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/apt/lists"
    -o Dir::Cache="$work/apt/cache"
    -o APT::Sandbox::User=root
)

fetch_source() {
    local package=$1
    local dir
    dir=$(find "$work" -maxdepth 1 -type d -name "$package-*" | head -n 1)
    if [ -z "$dir" ]; then
        # The newest version first; a mirror that lacks its files falls back to the release's own.
        (cd "$work" && { apt-get "${apt_private[@]}" -q source "$package" >/dev/null 2>&1 ||
            apt-get "${apt_private[@]}" -q source "$package/$release" >/dev/null; })
        dir=$(find "$work" -maxdepth 1 -type d -name "$package-*" | head -n 1)
    fi
    [ -n "$dir" ] || { echo "the source of $package could not be unpacked" >&2; exit 1; }
    echo "$dir"
}

echo "Fetching the sources of libjpeg-turbo and libpng1.6"
apt-get "${apt_private[@]}" -q update >/dev/null
jpeg_src=$(fetch_source libjpeg-turbo)
png_src=$(fetch_source libpng1.6)

echo "Building libjpeg-turbo for $triple"
cmake -S "$jpeg_src" -B "$work/build-jpeg" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQV_WIN32_DEPS="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF >/dev/null
cmake --build "$work/build-jpeg" -j"$jobs" --target jpeg-static >/dev/null
install -d "$prefix/lib" "$prefix/include"
install -m 644 "$work/build-jpeg/libjpeg.a" "$prefix/lib/"
install -m 644 "$work/build-jpeg/jconfig.h" "$jpeg_src/jpeglib.h" "$jpeg_src/jmorecfg.h" "$jpeg_src/jerror.h" \
    "$prefix/include/"

echo "Building libpng for $triple"
cmake -S "$png_src" -B "$work/build-png" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQV_WIN32_DEPS="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY=/usr/$triple/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/$triple/include >/dev/null
cmake --build "$work/build-png" -j"$jobs" >/dev/null
cmake --install "$work/build-png" >/dev/null

touch "$prefix/.complete"
echo "Static libjpeg and libpng for $triple are in $prefix"
