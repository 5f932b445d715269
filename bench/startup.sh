#!/bin/bash
# Start-up figures of the real program under Xvfb and openbox: the time from process start to the
# first frame of the start window with its heading on the screen, and the peak resident memory of the
# whole run, each the median of several runs. Prints figures; asserts nothing.
#   bench/startup.sh [PROGRAM [RUNS]]   (default: build/quorvane, 7 runs)
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
. "$root/tests/e2e/harness.sh"
program=$(realpath "${1:-$root/build/quorvane}")
runs=${2:-7}
[ -x "$program" ] || e2e_fail "no program at $program (build it first)"

helper=$E2E_TMP/first_paint
cc -O2 -std=c11 -Wall -Wextra -o "$helper" "$here/first_paint.c" -lX11 || e2e_fail "the helper does not build"

e2e_start_display 1024x768

measure() {
    e2e_wait_windows Quorvane 0 5 || e2e_fail "a start window of an earlier run is still on the screen"
    "$helper" "$program" >"$E2E_TMP/run.out" 2>"$E2E_TMP/run.err" || e2e_fail "run failed: $(cat "$E2E_TMP/run.err")"
    grep -q '^exit_code=0$' "$E2E_TMP/run.out" || e2e_fail "the program did not end with 0: $(cat "$E2E_TMP/run.out")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
range() { sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo " .. " hi }'; }

# One run first that is not counted, so that every counted run finds the program and its libraries and
# fonts in the page cache alike.
measure
: >"$E2E_TMP/paint"
: >"$E2E_TMP/rss"
for (( i = 0; i < runs; i++ )); do
    measure
    sed -n 's/^first_paint_ms=//p' "$E2E_TMP/run.out" >>"$E2E_TMP/paint"
    sed -n 's/^peak_rss_kib=//p' "$E2E_TMP/run.out" >>"$E2E_TMP/rss"
done

echo "program: $program"
echo "start to first paint: median $(median <"$E2E_TMP/paint") ms (n=$runs, range $(range <"$E2E_TMP/paint") ms, after one uncounted run)"
rss_mib() { awk '{ printf "%.1f\n", $1 / 1024 }'; }
echo "peak RSS: median $(median <"$E2E_TMP/rss" | rss_mib) MiB (n=$runs, range $(rss_mib <"$E2E_TMP/rss" | range) MiB)"
