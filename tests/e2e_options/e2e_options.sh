#!/bin/bash
# The real program under Xvfb and openbox, driven by real clicks and keys: the start button opens the
# options window, 406 x 420 and centred; pressing it again makes no second one and brings a minimized
# one back; Tab and typing reach the form, Enter does nothing and the login button shows its notice;
# closing the start window keeps the program running and closing the options window ends it with 0.
. "$(dirname "$0")/../e2e/harness.sh"
program=${1:?usage: e2e_options.sh PROGRAM}

e2e_start_display 1024x768
read -r screen_w screen_h < <(e2e_screen_size)

frame_known() { [ -n "$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep '=')" ]; }
frame_is() { [ "$(e2e_frame "$1")" = "$2" ]; }
hidden() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
shown_again() { viewable "$1" && ! hidden "$1"; }

# click ID X Y: a left click at a point of the window's client area.
click() {
    local x y w h
    read -r x y w h < <(e2e_client "$1")
    xdotool mousemove $(( x + $2 )) $(( y + $3 )) click 1
}

# whiteness ID X Y W H: the mean brightness (0..1) of a rectangle of the window's client area.
whiteness() {
    local x y w h
    read -r x y w h < <(e2e_client "$1")
    import -window root -crop "${4}x${5}+$(( x + $2 ))+$(( y + $3 ))" -colorspace Gray -format '%[fx:mean]' info:
}
account_field_white() { [ "$(whiteness "$options" 114 27 100 16)" = 1 ]; }
account_field_written() { ! account_field_white; }

click_start_button() { click "$start" $(( 143 + 44 )) $(( 248 + 16 )); }

e2e_start_app "$program"
e2e_wait_windows Quorvane 1 || e2e_fail "no start window"
start=$(e2e_windows Quorvane)
e2e_wait_for 5 frame_known "$start" || e2e_fail "the start window got no frame"

# The start button opens the options window, centred on the screen with its stored outer size.
click_start_button
e2e_wait_windows Quorvane 2 || e2e_fail "the start button opened no options window"
options=$(e2e_windows Quorvane | grep -v "^$start\$")
[ -n "$options" ] || e2e_fail "the options window is not a window of its own"
e2e_wait_for 5 frame_known "$options" || e2e_fail "the options window got no frame"
centred="$(( (screen_w - 406) / 2 )) $(( (screen_h - 420) / 2 )) 406 420"
e2e_wait_for 5 frame_is "$options" "$centred" || e2e_fail "options frame $(e2e_frame "$options"), expected $centred"
e2e_wait_for 5 e2e_is_active "$options" || e2e_fail "the options window was not made active"

# Pressed again, the button brings the same window forward and makes no second one.
e2e_activate "$start" || e2e_fail "start window not active"
click_start_button
e2e_wait_for 5 e2e_is_active "$options" || e2e_fail "the second press did not bring the options window forward"
sleep 0.5
e2e_expect_eq "$(e2e_window_count Quorvane)" 2 "windows after the second press"

# Minimized, it comes back on the next press.
xdotool windowminimize --sync "$options"
e2e_wait_for 5 hidden "$options" || e2e_fail "the options window did not minimize"
e2e_activate "$start" || e2e_fail "start window not active after minimizing"
click_start_button
e2e_wait_for 5 shown_again "$options" || e2e_fail "the start button did not restore the options window"
e2e_expect_eq "$(e2e_window_count Quorvane)" 2 "windows after the restore"
e2e_frame_now=$(e2e_frame "$options")
e2e_expect_eq "$e2e_frame_now" "$centred" "options frame after the restore"

# The focus starts on the login button; Tab goes to the account number, which takes typing.
e2e_activate "$options" || e2e_fail "options window not active"
# The window manager reports the activation a moment before the program has taken the keyboard focus.
sleep 0.3
e2e_wait_for 5 account_field_white || e2e_fail "the account field is not empty and white"
xdotool key Tab
xdotool type --delay 20 12345678
e2e_wait_for 5 account_field_written || e2e_fail "typed digits do not show in the account field"

# Enter does nothing: no notice, no change of windows.
xdotool key Return
sleep 0.5
e2e_expect_eq "$(e2e_window_count Quorvane)" 2 "windows after Enter"

# The login button shows a notice titled like the program, owned by the options window; its OK closes it.
click "$options" $(( 236 + 54 )) $(( 328 + 16 ))
e2e_wait_windows Quorvane 3 || e2e_fail "the login button showed no notice"
notice=$(e2e_windows Quorvane | grep -v -e "^$start\$" -e "^$options\$")
xprop -id "$notice" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$options")" ||
    e2e_fail "the notice does not belong to the options window: $(xprop -id "$notice" WM_TRANSIENT_FOR)"
e2e_activate "$notice" || e2e_fail "the notice is not active"
xdotool key Return
e2e_wait_windows Quorvane 2 || e2e_fail "the notice did not close"

# Closing the start window keeps the program running with the options window.
wmctrl -i -c "$start"
e2e_wait_windows Quorvane 1 || e2e_fail "the start window did not close"
sleep 0.5
e2e_running || e2e_fail "the program ended with the options window still open"
e2e_expect_eq "$(e2e_windows Quorvane)" "$options" "the window left open"

# Esc closes the options window, the last one: the program ends with 0.
e2e_activate "$options" || e2e_fail "options window not active at the end"
xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code after the last window closed"
echo "options window end to end: passed"
