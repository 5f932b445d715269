#!/bin/bash
# Fuzzes each picture decoder for as long as asked (seconds per target, 600 unless given), keeping what
# the fuzzer learns in build-fuzz/corpus between runs. Crashing inputs land in build-fuzz/crashes.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
exec "$root/fuzz/run.sh" --build-dir "$root/build-fuzz" --seconds "${1:-600}" --keep-corpus
