#!/bin/bash
# The real program under Xvfb and openbox on a machine without a sound card, with the system's own
# ALSA configuration: hovering and clicking the start button (which tries to play the click each time),
# Space on it and closing both windows leave the terminal empty, and the program ends with 0.
. "$(dirname "$0")/../e2e/harness.sh"
program=${1:?usage: quiet.sh PROGRAM}

e2e_start_display 1024x768
e2e_start_app "$program" -u ALSA_CONFIG_PATH
e2e_wait_windows Quorvane 1 || e2e_fail "no window titled Quorvane"
start=$(e2e_windows Quorvane)
e2e_activate "$start" || e2e_fail "start window not active"
read -r x y _ _ < <(e2e_client "$start")
button_x=$(( x + 143 + 44 ))
button_y=$(( y + 248 + 16 ))

options=
for cycle in 1 2 3 4 5; do
    e2e_activate "$start" || e2e_fail "start window not active before cycle $cycle"
    xdotool mousemove "$(( x + 10 ))" "$(( y + 10 ))"
    xdotool mousemove "$button_x" "$button_y"
    xdotool click 1
    e2e_wait_windows Quorvane 2 || e2e_fail "the button did not open the options window in cycle $cycle"
    [ -n "$options" ] || options=$(e2e_windows Quorvane | grep -vx "$start")
    e2e_wait_for 5 e2e_is_active "$options" || e2e_fail "the options window did not come forward in cycle $cycle"
done

e2e_activate "$start" || e2e_fail "start window not active for Space"
xdotool key space
e2e_wait_for 5 e2e_is_active "$options" || e2e_fail "Space on the button did not bring the options window forward"

xdotool key Escape
e2e_wait_windows Quorvane 1 || e2e_fail "Esc did not close the options window"
e2e_activate "$start" || e2e_fail "start window not active at the end"
xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code"

said=$(cat "$E2E_TMP/app.err" "$E2E_TMP/app.out")
[ -z "$said" ] || e2e_fail "the program wrote to the terminal: $said"
echo "quiet without a sound card end to end: passed"
