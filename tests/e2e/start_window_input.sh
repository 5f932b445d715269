#!/bin/bash
# The real program under Xvfb and openbox, driven by real input: on a screen of odd size the start
# window's client area settles at 377 x 329 inside the centred frame, and the window manager may
# neither resize nor maximize it; Enter, Tab and a press on the heading change nothing on the screen;
# Space opens the options window; closing the start window keeps the program running, and closing the
# options window with Alt+F4 ends it with 0.
. "$(dirname "$0")/harness.sh"
program=${1:?usage: start_window_input.sh PROGRAM}

e2e_start_display 1023x767
read -r screen_w screen_h < <(e2e_screen_size)

e2e_start_app "$program"
e2e_wait_windows Quorvane 1 || e2e_fail "no window titled Quorvane"
start=$(e2e_windows Quorvane)
left=$(( (screen_w - 379) / 2 ))
top=$(( (screen_h - 350) / 2 ))
has_frame() { [ "$(e2e_frame "$start")" = "$left $top 379 350" ]; }
e2e_wait_for 5 has_frame || e2e_fail "start window frame: $(e2e_frame "$start")"
read -r fl fr ft fb < <(xprop -id "$start" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
e2e_expect_eq "$(e2e_client "$start")" "$(( left + fl )) $(( top + ft )) $(( 379 - fl - fr )) $(( 350 - ft - fb ))" \
    "start window client area"
actions=$(xprop -id "$start" _NET_WM_ALLOWED_ACTIONS)
! grep -qE '_NET_WM_ACTION_(RESIZE|MAXIMIZE)' <<<"$actions" || e2e_fail "the window may be resized: $actions"
wmctrl -i -r "$start" -b add,maximized_vert,maximized_horz
frame_changed() { ! has_frame; }
! e2e_wait_for 1 frame_changed || e2e_fail "the window was maximized: $(e2e_frame "$start")"
e2e_activate "$start" || e2e_fail "start window not active"

client_shot() {
    local x y w h
    read -r x y w h < <(e2e_client "$start")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
}
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

# Keep the pointer off the button, whose look follows it.
xdotool mousemove $(( left + 10 )) $(( top + 300 ))
e2e_wait_for 5 client_shot "$E2E_TMP/before.png" || e2e_fail "no screenshot"

xdotool key Return
xdotool key KP_Enter
xdotool key Tab
xdotool key shift+Tab
# A press on the heading: the handler runs, nothing changes.
read -r cx cy _ _ < <(e2e_client "$start")
xdotool mousemove $(( cx + 100 )) $(( cy + 40 )) click 1
xdotool mousemove $(( left + 10 )) $(( top + 300 ))
! e2e_wait_for 1 test "$(e2e_window_count Quorvane)" -ne 1 || e2e_fail "a key or the press opened a window"
e2e_running || e2e_fail "the program ended"
client_shot "$E2E_TMP/after.png"
same_picture "$E2E_TMP/before.png" "$E2E_TMP/after.png" ||
    e2e_fail "the start window changed: $E2E_TMP/before.png, $E2E_TMP/after.png"

# The focus is still on the start button: Space clicks it.
e2e_activate "$start" || e2e_fail "start window not active again"
xdotool key space
e2e_wait_windows Quorvane 2 || e2e_fail "Space did not open the options window"
options=$(e2e_windows Quorvane | grep -v "^$start\$")

wmctrl -i -c "$start"
e2e_wait_windows Quorvane 1 || e2e_fail "the start window did not close"
e2e_running || e2e_fail "the program ended with the options window still open"
e2e_expect_eq "$(e2e_windows Quorvane)" "$options" "the window left open"

e2e_activate "$options" || e2e_fail "options window not active"
xdotool key alt+F4
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code after the last window closed"
echo "start window input end to end: passed"
