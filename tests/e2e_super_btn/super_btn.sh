#!/bin/bash
# The real program under Xvfb and openbox, its sound sent to files through an ALSA capture device:
# the start button lights up under the pointer with one click sound, shows its picture and caption
# 2 px lower while held, and opens the options window with a second sound on release; a drag that
# starts on the desktop and enters the button neither lights it nor plays anything. Screenshots of the
# three states are left side by side in states.png (or in the file named by SUPER_BTN_STATES).
. "$(dirname "$0")/../e2e/harness.sh"
usage="usage: super_btn.sh PROGRAM ALSA_CAPTURE_TEMPLATE HOVER_PICTURE"
program=${1:?$usage}
template=${2:?$usage}
hover_picture=${3:?$usage}

capture="$E2E_TMP/click.raw"
sed "s|@CAPTURE_FILE@|$capture|" "$template" >"$E2E_TMP/alsa.conf"
sounds() { ls "$E2E_TMP" | grep -c '^click\.raw'; }
has_sounds() { [ "$(sounds)" -eq "$1" ]; }

e2e_start_display 1024x768
e2e_start_app "$program" ALSA_CONFIG_PATH="$E2E_TMP/alsa.conf"
e2e_wait_windows Quorvane 1 || e2e_fail "no window titled Quorvane"
start=$(e2e_windows Quorvane)
e2e_activate "$start" || e2e_fail "start window not active"
# The window is re-centred once the window manager has reported its frame.
e2e_wait_for 5 bash -c "[ -n \"\$(xprop -id $start _NET_FRAME_EXTENTS 2>/dev/null | grep =)\" ]"
placement_settled() { local a; a=$(e2e_client "$start"); sleep 0.2; [ "$a" = "$(e2e_client "$start")" ]; }
e2e_wait_for 5 placement_settled || e2e_fail "the start window keeps moving"
read -r cx cy _ _ < <(e2e_client "$start")
bx=$(( cx + 143 ))
by=$(( cy + 248 ))

# button_shot FILE: what the screen shows where the button is, 88 x 32.
button_shot() { import -window root -crop "88x32+$bx+$by" +repage "$1"; }
# pixel FILE X Y: "R G B" of one pixel of a picture.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n '2s/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | awk '{printf "%d %d %d\n", $1, $2, $3}'
}
# pixels FILE GEOMETRY: "X,Y #RRGGBB" for each pixel of that part of a picture.
pixels() { convert "$1" -crop "$2" -depth 8 txt:- | awk 'NR > 1 { sub(":", "", $1); print $1, substr($3, 1, 7) }'; }
differing() { compare -metric AE "$@" null: 2>&1; }
same() { [ "$(differing "$1" "$2")" = "0" ]; }
# looks_like FILE: the button's look on the screen now equals the picture.
looks_like() { button_shot "$E2E_TMP/now.png" && same "$E2E_TMP/now.png" "$1"; }
looks_unlike() { button_shot "$E2E_TMP/now.png" && ! same "$E2E_TMP/now.png" "$1"; }

off_x=$(( cx + 10 ))
off_y=$(( cy + 300 ))
xdotool mousemove "$off_x" "$off_y"
e2e_wait_for 5 button_shot "$E2E_TMP/normal.png" || e2e_fail "no screenshot"
e2e_expect_eq "$(sounds)" 0 "sounds before any hover"

# Hovered: the hover picture at its own size, its key-colour (white) pixels showing the highlight beneath.
xdotool mousemove $(( bx + 44 )) $(( by + 16 ))
e2e_wait_for 5 looks_unlike "$E2E_TMP/normal.png" || e2e_fail "the button did not light up under the pointer"
button_shot "$E2E_TMP/hovered.png"
e2e_wait_for 5 has_sounds 1 || e2e_fail "no sound on hover: $(sounds)"
xdotool mousemove $(( bx + 20 )) $(( by + 10 ))
xdotool mousemove $(( bx + 60 )) $(( by + 20 ))
! e2e_wait_for 1 has_sounds 2 || e2e_fail "moving inside the button played the sound again"

# Pressed: everything inside the outline 2 px lower than while hovered, the top rows outline and fill.
xdotool mousedown 1
e2e_wait_for 5 looks_unlike "$E2E_TMP/hovered.png" || e2e_fail "the button did not change when pressed"
button_shot "$E2E_TMP/pressed.png"
# Away from the rounded corners the top row is the outline and the second the highlight fill.
row0=$(pixels "$E2E_TMP/pressed.png" 80x1+4+0 | awk '{print $2}' | sort -u)
row1=$(pixels "$E2E_TMP/pressed.png" 80x1+4+1 | awk '{print $2}' | sort -u)
e2e_expect_eq "$row0" "#000000" "top row while pressed"
[ "$(wc -l <<<"$row1")" -eq 1 ] && [ "$row1" != "#000000" ] || e2e_fail "second row while pressed: $row1"
highlight=$row1
# Where the hover picture is pure white: the outline on the top row, the highlight in the next rows
# (above the caption); elsewhere the picture's own pixels.
checked=$(join <(pixels "$hover_picture" 80x6+4+0 | sort) <(pixels "$E2E_TMP/hovered.png" 80x6+4+0 | sort) |
    awk -v lit="$highlight" '
        $2 == "#FFFFFF" { split($1, at, ","); want = at[2] == 0 ? "#000000" : lit; keyed++ }
        $2 != "#FFFFFF" { want = $2; own++ }
        $3 != want { print "wrong at " $1 ": " $3 " for " want; exit 1 }
        END { if (!keyed || !own) { print "picture without both kinds of pixel: " keyed + 0 " keyed, " own + 0 " own"; exit 1 } }') ||
    e2e_fail "hovered look: $checked"
convert "$E2E_TMP/hovered.png" -crop 80x28+4+1 +repage "$E2E_TMP/hovered-inner.png"
convert "$E2E_TMP/pressed.png" -crop 80x28+4+3 +repage "$E2E_TMP/pressed-inner.png"
same "$E2E_TMP/hovered-inner.png" "$E2E_TMP/pressed-inner.png" ||
    e2e_fail "pressed is not hovered 2 px lower: $(differing "$E2E_TMP/hovered-inner.png" "$E2E_TMP/pressed-inner.png") pixels differ"
convert "$E2E_TMP/normal.png" "$E2E_TMP/hovered.png" "$E2E_TMP/pressed.png" -bordercolor '#ff00ff' -border 4 \
    +append +repage "${SUPER_BTN_STATES:-$E2E_TMP/states.png}"
e2e_expect_eq "$(sounds)" 1 "sounds while held"

xdotool mouseup 1
e2e_wait_windows Quorvane 2 || e2e_fail "releasing on the button did not open the options window"
e2e_wait_for 5 has_sounds 2 || e2e_fail "no second sound on the click: $(sounds)"
options=$(e2e_windows Quorvane | grep -vx "$start")
e2e_wait_for 5 e2e_is_active "$options" || e2e_fail "the options window did not come forward"
# Off the button first: a window going away under the pointer would light the button again.
xdotool mousemove 5 5
wmctrl -i -c "$options"
e2e_wait_windows Quorvane 1 || e2e_fail "the options window did not close"

# A press on the desktop, outside the program, then into the button with the left button held.
e2e_wait_for 5 looks_like "$E2E_TMP/normal.png" || e2e_fail "the button stayed lit after the pointer left"
xdotool mousedown 1
xdotool mousemove $(( bx + 30 )) $(( by + 12 ))
xdotool mousemove $(( bx + 44 )) $(( by + 16 ))
! e2e_wait_for 1 looks_unlike "$E2E_TMP/normal.png" || e2e_fail "a drag from the desktop lit the button"
e2e_expect_eq "$(sounds)" 2 "sounds after a drag from the desktop entered"
xdotool mouseup 1
# Once the button is up, the next move lights it as usual.
xdotool mousemove $(( bx + 40 )) $(( by + 14 ))
e2e_wait_for 5 looks_unlike "$E2E_TMP/normal.png" || e2e_fail "the button did not light up after the drag"
e2e_wait_for 5 has_sounds 3 || e2e_fail "no sound on the hover after the drag: $(sounds)"
e2e_expect_eq "$(e2e_window_count Quorvane)" 1 "windows after the drag"

e2e_activate "$start" || e2e_fail "start window not active at the end"
xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit)" 0 "exit code"
echo "start button end to end: passed"
