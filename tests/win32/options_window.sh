#!/bin/bash
# quorvane.exe under Wine: the start button opens the options window centred; a second press brings it
# forward or restores it, never opens another; the whole Tab cycle, both ways, and the radio arrows
# run as the focus rules say; Enter changes nothing; Esc closes it, and the next opening starts afresh.
# The program ends with 0 only once both windows are closed.
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/e2e/harness.sh"
. "$root/tests/win32/wine.sh"

w32_prefix
e2e_start_display 1024x768
read -r screen_w screen_h < <(e2e_screen_size)

# Places in the options window's client area (left, top, width, height).
declare -A place=(
    [check1]="32 136 136 24" [check2]="239 155 80 24" [check3]="245 196 80 24" [check4]="245 230 80 24"
    [check5]="245 271 80 24" [check6]="32 94 96 24"
    [radio1]="55 176 80 24" [radio2]="55 232 80 24" [radio3]="55 260 80 24" [radio4]="55 204 80 24"
    [radio5]="55 289 119 24" [radio6]="55 317 129 24"
    [edit1]="112 25 104 20" [edit2]="136 96 232 20"
)
indicators=(check1 check2 check3 check4 check5 check6 radio1 radio2 radio3 radio4 radio5 radio6)

start_id=
options_id=
ox=
oy=

open_options() {
    local sx sy
    read -r sx sy < <(w32_client_origin "$start_id")
    xdotool mousemove $(( sx + 187 )) $(( sy + 264 )) click 1
}

options_window() { e2e_windows Quorvane | grep -vx "$start_id"; }

wait_options_open() {
    e2e_wait_windows Quorvane 2 || e2e_fail "$1: the options window did not open"
    options_id=$(options_window)
    w32_wait_frame "$options_id" "$(( (screen_w - 406) / 2 )) $(( (screen_h - 420) / 2 )) 406 420"
    e2e_wait_for 5 e2e_is_active "$options_id" || e2e_fail "$1: the options window is not active"
    read -r ox oy < <(w32_client_origin "$options_id")
    sleep 0.3
}

# The left 14 px of a check box or radio button: its box or circle.
indicator() {
    local x y w h
    read -r x y w h <<<"${place[$2]}"
    w32_crop "$1" $(( ox + x )) $(( oy + y )) 14 "$h" "$E2E_TMP/$3-$2.png"
}

snapshot_indicators() {
    local shot=$E2E_TMP/$1.png name
    w32_shot "$shot"
    for name in "${indicators[@]}"; do indicator "$shot" "$name" "$1"; done
}

# The controls whose indicator differs from the one the window showed when it opened.
marked() {
    local name
    snapshot_indicators now
    for name in "${indicators[@]}"; do
        [ "$(w32_differing "$E2E_TMP/now-$name.png" "$E2E_TMP/fresh-$name.png")" -gt 0 ] && echo -n "$name "
    done
    echo
}

expect_marked() {
    local got
    e2e_wait_for 3 bash -c '[ "$1" = "$2" ]' _ "$(marked)" "$1" 2>/dev/null
    got=$(marked)
    e2e_expect_eq "$got" "$1" "$2"
}

w32_start_app "$W32_EXE"
start_id=$(w32_window_titled Quorvane)
w32_wait_frame "$start_id" "$(( (screen_w - 379) / 2 )) $(( (screen_h - 350) / 2 )) 379 350"
e2e_activate "$start_id" || e2e_fail "the start window is not active"
open_options
wait_options_open "first press"
snapshot_indicators fresh
w32_crop "$E2E_TMP/fresh.png" $(( ox + 112 )) $(( oy + 25 )) 104 20 "$E2E_TMP/fresh-edit1.png"

# The whole cycle from 按钮2, which has the focus: Space on each stop marks the control that has it
# (a check box toggles, a radio button is checked and the rest of its set unchecked); the edit boxes
# take a few letters instead.
cycle=(edit1 check1 check2 radio5 radio6 check3 check4 check5 edit2 radio1 radio2 radio3 radio4 check6)
checks=""
for stop in "${cycle[@]}"; do
    xdotool key Tab
    case $stop in
    edit*) xdotool type abc; radio_now=${radio_now:-} ;;
    check*) xdotool key space; checks="$checks$stop " ;;
    radio*) xdotool key space; radio_now=$stop ;;
    esac
    expected=$(for name in "${indicators[@]}"; do
        case " $checks $radio_now " in *" $name "*) echo -n "$name " ;; esac
    done)
    expect_marked "$expected" "after Tab to $stop"
done
# Tab from 选择框6 wraps to 按钮2: Space clicks it and its notice opens; Enter dismisses it.
xdotool key Tab space
e2e_wait_windows Quorvane 3 || e2e_fail "Tab from 选择框6 did not reach 按钮2"
xdotool key Return
e2e_wait_windows Quorvane 2 || e2e_fail "the notice did not close"
e2e_wait_for 5 e2e_is_active "$options_id" || e2e_fail "the options window is not active after the notice"
# Shift+Tab runs backwards: 按钮2, 选择框6, 单选框4, 单选框3.
xdotool key shift+Tab space
expect_marked "check1 check2 check3 check4 check5 radio4 " "Shift+Tab from 按钮2 to 选择框6"
xdotool key shift+Tab shift+Tab space
expect_marked "check1 check2 check3 check4 check5 radio3 " "Shift+Tab on to 单选框3"

# The radio arrows follow the set's focus order 5, 6, 1, 2, 3, 4, wrapping, and check what they reach.
base="check1 check2 check3 check4 check5"
for step in "Right radio4" "Right radio5" "Down radio6" "Left radio5" "Up radio4" "Left radio3"; do
    read -r key radio <<<"$step"
    xdotool key "$key"
    expected=$(for name in "${indicators[@]}"; do
        case " $base $radio " in *" $name "*) echo -n "$name " ;; esac
    done)
    expect_marked "$expected" "$key to $radio"
done

# Enter changes nothing, wherever the focus is.
xdotool key Tab shift+Tab
sleep 0.5
w32_shot "$E2E_TMP/before-enter.png"
w32_crop "$E2E_TMP/before-enter.png" "$ox" "$oy" 400 395 "$E2E_TMP/before-enter-client.png"
xdotool key Return Tab Return shift+Tab
sleep 0.5
w32_shot "$E2E_TMP/after-enter.png"
w32_crop "$E2E_TMP/after-enter.png" "$ox" "$oy" 400 395 "$E2E_TMP/after-enter-client.png"
e2e_expect_eq "$(e2e_window_count Quorvane)" 2 "windows after Enter"
e2e_expect_eq "$(w32_differing "$E2E_TMP/before-enter-client.png" "$E2E_TMP/after-enter-client.png")" 0 \
    "pixels changed by Enter"

# Minimized, the options window is restored by the start button, and stays the only one.
xdotool windowminimize "$options_id"
e2e_wait_for 5 bash -c "xwininfo -id $options_id | grep -q IsUnMapped" || e2e_fail "the options window did not minimize"
e2e_activate "$start_id" || e2e_fail "the start window is not active"
open_options
e2e_wait_windows Quorvane 2 || e2e_fail "the options window was not restored"
e2e_expect_eq "$(options_window)" "$options_id" "the restored options window"
e2e_wait_for 5 e2e_is_active "$options_id" || e2e_fail "the restored options window is not active"

# Moved aside and behind the start window, it is brought forward by the start button: on top, and
# the keyboard's. (Wine makes it the system's active window without asking the window manager, so
# openbox's own idea of the active window stays behind.)
xdotool windowmove "$options_id" 0 0
e2e_activate "$start_id" || e2e_fail "the start window is not active"
open_options
e2e_wait_for 5 w32_on_top "$options_id" || e2e_fail "the options window was not brought forward"
e2e_expect_eq "$(e2e_window_count Quorvane)" 2 "windows after the second press"

# Esc closes it; the next opening starts from the description: no text, no check, no radio choice.
xdotool key Escape
e2e_wait_windows Quorvane 1 || e2e_fail "Esc did not close the options window"
e2e_expect_eq "$(e2e_windows Quorvane)" "$start_id" "the window left by Esc"
e2e_activate "$start_id" || e2e_fail "the start window is not active"
open_options
wait_options_open "press after closing"
expect_marked "" "the reopened options window"
w32_crop "$E2E_TMP/now.png" $(( ox + 112 )) $(( oy + 25 )) 104 20 "$E2E_TMP/now-edit1.png"
e2e_expect_eq "$(w32_differing "$E2E_TMP/now-edit1.png" "$E2E_TMP/fresh-edit1.png")" 0 "编辑框1 after reopening"

# Closing the start window first leaves the program running with the options window.
wmctrl -i -c "$start_id"
e2e_wait_windows Quorvane 1 || e2e_fail "the start window did not close"
e2e_running || e2e_fail "the program ended with the options window still open"
wmctrl -i -c "$options_id"
e2e_expect_eq "$(e2e_wait_exit 20)" 0 "exit code after closing both windows"
echo "options window under Wine: passed"
