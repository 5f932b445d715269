#!/bin/bash
# tests/win32/startup_benchmark.sh WORK_DIR LINUX_PROGRAM [RUNS]: prints how long each build takes from
# its start to its start window being on screen, under Xvfb and openbox: quorvane.exe under Wine with a
# cold Wine server (started by the program, as on a first run) and a warm one, and the Linux build.
# WORK_DIR is the one prepare.sh made. A benchmark, not a test: it prints figures and checks nothing.
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/e2e/harness.sh"
. "$root/tests/win32/wine.sh" "${1:?usage: startup_benchmark.sh WORK_DIR LINUX_PROGRAM [RUNS]}"
linux=${2:?usage: startup_benchmark.sh WORK_DIR LINUX_PROGRAM [RUNS]}
runs=${3:-5}

w32_prefix
e2e_start_display 1024x768

now_ms() { date +%s%3N; }

# until_shown COMMAND...: milliseconds from starting it to its window titled Quorvane being viewable.
until_shown() {
    local start end
    start=$(now_ms)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until [ -n "$(e2e_windows Quorvane)" ]; do sleep 0.01; done
    end=$(now_ms)
    wmctrl -i -c "$(e2e_windows Quorvane | head -n 1)"
    wait "$pid" 2>/dev/null
    echo $(( end - start ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

measure() {
    local label=$1; shift
    local i times=()
    for (( i = 0; i < runs; i++ )); do
        [ "$label" = "wine, cold server" ] && wineserver -k >/dev/null 2>&1 && wineserver -w
        times+=("$(until_shown "$@")")
    done
    printf '%-20s median %5d ms  (runs: %s)\n' "$label" "$(printf '%s\n' "${times[@]}" | median)" "${times[*]}"
}

measure "linux (Qt)" "$linux"
measure "wine, cold server" wine "$W32_EXE"
wineserver -p >/dev/null 2>&1
measure "wine, warm server" wine "$W32_EXE"
