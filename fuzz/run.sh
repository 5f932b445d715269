#!/bin/bash
# Builds the picture-decoder fuzzers with clang and runs each one for a bounded time.
#
#   fuzz/run.sh [--build-dir DIR] [--seconds N] [--keep-corpus]
#
# Each target starts from its seeds in fuzz/corpus/<format>. Without --keep-corpus it works on a fresh
# copy that is thrown away (the short run of the test command); with it, what the fuzzer learns stays
# in DIR/corpus/<format> for the next run. Inputs that crash, leak, hang or allocate too much land in
# DIR/crashes/<format>/; copy them into fuzz/corpus/<format>/ as crash-<what> once fixed. Afterwards
# every huge-* seed is decoded once more with a 1 MB allocation limit, which fails if a declared size
# of 60000 x 60000 reaches any large allocation.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$root/build-fuzz
seconds=20
keep_corpus=0
while [ $# -gt 0 ]; do
    case $1 in
    --build-dir) build_dir=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --keep-corpus) keep_corpus=1; shift ;;
    *) echo "usage: $0 [--build-dir DIR] [--seconds N] [--keep-corpus]" >&2; exit 2 ;;
    esac
done

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build_dir" -G "Unix Makefiles" >/dev/null
fi
cmake --build "$build_dir" -j1 >/dev/null

# A legitimate 4096 x 4096 picture needs 64 MB of pixels and libjpeg a little more beside them.
limits=(-rss_limit_mb=1024 -malloc_limit_mb=256 -timeout=10)
status=0
for format in jpeg png ico; do
    seeds=$root/fuzz/corpus/$format
    crashes=$build_dir/crashes/$format
    if [ $keep_corpus -eq 1 ]; then
        work=$build_dir/corpus/$format
    else
        work=$build_dir/smoke-corpus/$format
        rm -rf "$work"
    fi
    mkdir -p "$work" "$crashes"
    log=$build_dir/fuzz_$format.log
    if "$build_dir/fuzz_$format" "${limits[@]}" -max_len=16384 -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "$seeds" >"$log" 2>&1; then
        outcome=ok
    else
        outcome="FAILED (see $log and $crashes)"
        status=1
        grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2 || true
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$format: ${runs:-?} executions in $seconds s, $(ls "$work" | wc -l) inputs in the corpus: $outcome"

    for huge in "$seeds"/huge-*; do
        if ! "$build_dir/fuzz_$format" -malloc_limit_mb=1 "$huge" >"$log.huge" 2>&1; then
            echo "fuzz_$format: $(basename "$huge") reached a large allocation" >&2
            grep -E "ERROR|malloc" "$log.huge" >&2 || true
            status=1
        fi
    done
done
exit $status
