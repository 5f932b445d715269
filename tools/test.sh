#!/bin/bash
# Sets up, builds and runs every test: once in an ordinary build, once under AddressSanitizer and
# UndefinedBehaviourSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"

export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for config in RelWithDebInfo:build Asan:build-asan; do
    type=${config%%:*}
    dir=$root/${config#*:}
    echo "== $type build in $dir"
    "$root/tools/build.sh" "$dir" "$type"
    ctest --test-dir "$dir" --output-on-failure -j2 || status=1
done
exit $status
