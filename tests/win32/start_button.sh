#!/bin/bash
# quorvane.exe under Wine: the start button's look and click rules with the real pointer and keys, and
# its click sound captured from Wine's ALSA output: one sound when the pointer enters, none for moves
# inside it or for a drag that enters it, the hovered look 2 px lower while pressed, no click when the
# press is released outside, and a sound and a click for a completed press or Space; Enter does nothing.
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/e2e/harness.sh"
. "$root/tests/win32/wine.sh"

w32_prefix
e2e_start_display 1024x768
capture=$E2E_TMP/played.raw
sed "s|@CAPTURE_FILE@|$capture|" "$root/tests/sound/alsa-capture.conf.in" >"$E2E_TMP/alsa.conf"

sounds() { find "$E2E_TMP" -maxdepth 1 -name 'played.raw*' | wc -l; }
expect_sounds() {
    e2e_wait_for 3 bash -c "[ \$(find '$E2E_TMP' -maxdepth 1 -name 'played.raw*' | wc -l) -ge $1 ]"
    e2e_expect_eq "$(sounds)" "$1" "$2"
}

look() {
    w32_shot "$E2E_TMP/shot.png"
    w32_crop "$E2E_TMP/shot.png" "$bx" "$by" 88 32 "$E2E_TMP/$1.png"
}
looks_like() {
    look now
    [ "$(w32_differing "$E2E_TMP/now.png" "$E2E_TMP/$1.png")" -eq 0 ]
}
expect_look() { e2e_wait_for 5 looks_like "$1" || e2e_fail "$2: the button does not look $1"; }
looks_unlike() { ! looks_like "$1"; }
expect_other_look() { e2e_wait_for 5 looks_unlike "$1" || e2e_fail "$2"; }

w32_start_app "$W32_EXE" ALSA_CONFIG_PATH="$E2E_TMP/alsa.conf"
id=$(w32_window_titled Quorvane)
w32_wait_frame "$id" "$(( ($(e2e_screen_size | cut -d' ' -f1) - 379) / 2 )) $(( ($(e2e_screen_size | cut -d' ' -f2) - 350) / 2 )) 379 350"
e2e_activate "$id" || e2e_fail "the start window is not active"
read -r cx cy < <(w32_client_origin "$id")
bx=$(( cx + 143 )) by=$(( cy + 248 ))
inside="$(( bx + 44 )) $(( by + 16 ))"
background="$(( cx + 40 )) $(( cy + 200 ))"
xdotool mousemove 5 5
sleep 1
look normal

# Entering highlights it and plays the sound once; moving about inside plays nothing more.
xdotool mousemove $inside
expect_other_look normal "entering did not highlight the button"
sleep 0.3
look hovered
expect_sounds 1 "sounds after entering"
xdotool mousemove $(( bx + 10 )) $(( by + 5 )) mousemove $(( bx + 70 )) $(( by + 25 )) mousemove $inside
xdotool mousemove 5 5
expect_look normal "after leaving"
e2e_expect_eq "$(sounds)" 1 "sounds after moving inside and leaving"
# Wine drops a move to where it last saw the pointer, and it saw none outside its windows: each
# entry goes to a new place.
xdotool mousemove $(( bx + 43 )) $(( by + 16 ))
expect_look hovered "entering again"
expect_sounds 2 "sounds after entering again"

# Pressed: the hovered look with picture and caption 2 px lower, and no sound.
xdotool mousedown 1
expect_other_look hovered "pressing did not change the look"
sleep 0.3
look pressed
convert "$E2E_TMP/pressed.png" -crop 80x27+4+3 +repage "$E2E_TMP/pressed-inner.png"
convert "$E2E_TMP/hovered.png" -crop 80x27+4+1 +repage "$E2E_TMP/hovered-inner.png"
e2e_expect_eq "$(w32_differing "$E2E_TMP/pressed-inner.png" "$E2E_TMP/hovered-inner.png")" 0 \
    "pressed look against the hovered one 2 px higher"
# Dragged off it looks normal, back on pressed; released outside it raises no click.
xdotool mousemove $background
expect_look normal "dragged off"
xdotool mousemove $inside
expect_look pressed "dragged back"
xdotool mousemove $background mouseup 1
expect_look normal "released outside"
sleep 0.5
e2e_expect_eq "$(e2e_window_count Quorvane)" 1 "windows after a press released outside"
e2e_expect_eq "$(sounds)" 2 "sounds after a press released outside"

# A drag that enters the button neither highlights it nor plays the sound; the next move does.
xdotool mousedown 1 mousemove $(( bx + 30 )) $(( by + 10 )) mousemove $(( bx + 42 )) $(( by + 16 ))
sleep 0.5
looks_like normal || e2e_fail "a drag that entered highlighted the button"
xdotool mouseup 1
sleep 0.3
e2e_expect_eq "$(e2e_window_count Quorvane)" 1 "windows after a drag released over the button"
e2e_expect_eq "$(sounds)" 2 "sounds after a drag that entered"
xdotool mousemove $(( bx + 45 )) $(( by + 16 ))
expect_look hovered "the move after the drag"
expect_sounds 3 "sounds after the move after the drag"

# A completed click plays the sound again and opens the options window.
xdotool click 1
e2e_wait_windows Quorvane 2 || e2e_fail "the click did not open the options window"
expect_sounds 4 "sounds after the click"
# Away from the button first: a button uncovered under the pointer is entered, and plays its sound.
xdotool mousemove $background
xdotool key Escape
e2e_wait_windows Quorvane 1 || e2e_fail "Esc did not close the options window"

# Enter does nothing; Space clicks the button, which has the focus.
expect_look normal "after the options window closed"
xdotool key Return
sleep 0.5
e2e_expect_eq "$(e2e_window_count Quorvane)" 1 "windows after Enter"
xdotool key space
e2e_wait_windows Quorvane 2 || e2e_fail "Space did not open the options window"
expect_sounds 5 "sounds after Space"

# What was played is the whole click: 1278 frames of 16-bit mono, and not silence.
e2e_expect_eq "$(stat -c %s "$capture")" 2556 "bytes of the first sound"
peak=$(od -An -v -t d2 "$capture" | tr -s ' ' '\n' | awk 'NF { v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
[ "$peak" -gt 10000 ] || e2e_fail "the first sound is nearly silent (peak $peak)"

xdotool key Escape
e2e_wait_windows Quorvane 1 || e2e_fail "Esc did not close the options window"
xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit 20)" 0 "exit code"
echo "start button under Wine: passed"
