#!/bin/bash
# tools/build.sh DIR [BUILD_TYPE]: configures and builds the project into DIR.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
type=${2:-RelWithDebInfo}
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "$dir" -j"$(nproc)"
