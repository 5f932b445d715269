#!/bin/bash
# quorvane.exe under Wine, Xvfb and openbox: the start window's frame is 379 x 350 and centred; its
# client area shows the stretched picture, the blue heading, the normal picture of the button and the
# white ring; Esc and the window manager's close end the program with 0, and a start whose
# descriptions cannot be read shows an error box and ends with -1.
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/e2e/harness.sh"
. "$root/tests/win32/wine.sh"

w32_prefix
e2e_start_display 1024x768
read -r screen_w screen_h < <(e2e_screen_size)
centred="$(( (screen_w - 379) / 2 )) $(( (screen_h - 350) / 2 )) 379 350"

w32_start_app "$W32_EXE"
id=$(w32_window_titled Quorvane)
w32_wait_frame "$id" "$centred"
e2e_activate "$id" || e2e_fail "the start window is not active"
read -r cx cy < <(w32_client_origin "$id")
sleep 0.5
shot=$E2E_TMP/start.png
w32_shot "$shot"

# The picture, stretched from 248 x 248 over the 373 x 325 client area, between heading and button.
convert "$root/assets/background.jpg" -filter point -resize '373x325!' "$E2E_TMP/expected.png"
w32_crop "$E2E_TMP/expected.png" 0 80 373 150 "$E2E_TMP/expected-band.png"
w32_crop "$shot" "$cx" $(( cy + 80 )) 373 150 "$E2E_TMP/band.png"
w32_expect_below "$(w32_rmse "$E2E_TMP/band.png" "$E2E_TMP/expected-band.png")" 0.03 "stretched background"

# The heading: pure blue glyphs inside its rectangle, which the window clips at the client area's edge.
w32_crop "$shot" $(( cx + 40 )) $(( cy + 12 )) 333 56 "$E2E_TMP/heading.png"
blue=$(convert "$E2E_TMP/heading.png" -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(mean*w*h)]' info:)
[ "$blue" -gt 1500 ] || e2e_fail "heading: only $blue pure blue pixels"
outside=$(convert "$E2E_TMP/band.png" -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(mean*w*h)]' info:)
e2e_expect_eq "$outside" 0 "pure blue pixels below the heading"

# The ring: 2 px of white on each side of the button, at 141, 246 and 92 x 36.
for at in "141 264" "142 264" "231 264" "232 264" "187 246" "187 247" "187 280" "187 281"; do
    read -r x y <<<"$at"
    e2e_expect_eq "$(e2e_pixel $(( cx + x )) $(( cy + y )))" "255 255 255" "ring pixel at $x, $y"
done

# The button's normal picture at its own size from the button's corner; the caption is centred, so
# the left columns show the picture alone.
convert "$root/assets/button.png" -alpha off -crop 4x32+0+0 +repage "$E2E_TMP/picture-edge.png"
w32_crop "$shot" $(( cx + 143 )) $(( cy + 248 )) 4 32 "$E2E_TMP/button-edge.png"
e2e_expect_eq "$(w32_differing "$E2E_TMP/button-edge.png" "$E2E_TMP/picture-edge.png")" 0 "button's picture"

xdotool key Escape
e2e_expect_eq "$(e2e_wait_exit 20)" 0 "exit code after Esc"

w32_start_app "$W32_EXE"
id=$(w32_window_titled Quorvane)
w32_wait_frame "$id" "$centred"
wmctrl -i -c "$id"
e2e_expect_eq "$(e2e_wait_exit 20)" 0 "exit code after the window manager's close"

# The fatal path: the error box has no owner and is the only window; dismissing it ends with -1,
# which Wine hands on as 255.
w32_start_app "$W32_FATAL_EXE"
box=$(w32_window_titled Quorvane)
e2e_wait_for 5 e2e_is_active "$box" || e2e_activate "$box" || e2e_fail "the error box is not active"
[ "$(xprop -id "$box" WM_TRANSIENT_FOR 2>/dev/null | grep -c 'window id')" -eq 0 ] ||
    e2e_fail "the error box has an owner"
xdotool key Return
e2e_expect_eq "$(e2e_wait_exit 20)" 255 "exit code after the fatal error"
echo "start window under Wine: passed"
