#!/bin/bash
# bench/soak_rss.sh [BUILD_DIR]: builds the soak benchmark (in build/ unless told) and prints the
# resident memory after 0, 100 and 1,000 open-and-close cycles of the options window.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target bench_soak_rss -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tests/soak/bench_soak_rss"
