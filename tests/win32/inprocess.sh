#!/bin/bash
# The checks that are easier from inside a Windows process (quorvane_win32_tests.exe, a console
# program linked with the backend): control classes and styles, parents and stacking, the focus after
# each key, check states, the colours taken from the system, the fonts each control got.
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/e2e/harness.sh"
. "$root/tests/win32/wine.sh"

w32_prefix
e2e_start_display 1024x768
# The button's sounds go to a file instead of a sound card that is not there.
sed "s|@CAPTURE_FILE@|$E2E_TMP/played.raw|" "$root/tests/sound/alsa-capture.conf.in" >"$E2E_TMP/alsa.conf"
ALSA_CONFIG_PATH=$E2E_TMP/alsa.conf wine "$W32_TESTS_EXE" 2>"$E2E_TMP/tests.err" | tee "$E2E_TMP/tests.out"
status=${PIPESTATUS[0]}
tr -d '\r' <"$E2E_TMP/tests.out" | grep -q '^[0-9]* passed, 0 failed$' || { cat "$E2E_TMP/tests.err" >&2; e2e_fail "in-process checks failed"; }
e2e_expect_eq "$status" 0 "exit code of the in-process checks"
echo "in-process checks under Wine: passed"
