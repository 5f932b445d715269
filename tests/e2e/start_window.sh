#!/bin/bash
# The real program under Xvfb and openbox: the start window's frame is 379 x 350, centred, and the
# program ends with 0 when its only window is closed, by Esc or by the window manager.
. "$(dirname "$0")/harness.sh"
program=${1:?usage: start_window.sh PROGRAM}

e2e_start_display 1024x768
read -r screen_w screen_h < <(e2e_screen_size)

expect_centred_start_window() {
    local id frame
    id=$(e2e_windows Quorvane)
    frame=$(e2e_frame "$id")
    e2e_expect_eq "$frame" "$(( (screen_w - 379) / 2 )) $(( (screen_h - 350) / 2 )) 379 350" "start window frame"
    echo "$id"
}

e2e_start_app "$program"
e2e_wait_windows Quorvane 1 || e2e_fail "no window titled Quorvane"
# The frame settles once the window manager has reported its extents.
e2e_wait_for 5 bash -c "[ \"\$(xprop -id $(e2e_windows Quorvane) _NET_FRAME_EXTENTS)\" != '' ]"
id=$(expect_centred_start_window)
e2e_activate "$id" || e2e_fail "start window not active"
xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code after Esc"

e2e_start_app "$program"
e2e_wait_windows Quorvane 1 || e2e_fail "no window after the restart"
id=$(expect_centred_start_window)
wmctrl -i -c "$id"
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code after the window manager's close"
echo "start window end to end: passed"
