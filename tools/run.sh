#!/bin/bash
# Sets up, builds and starts the program. Without a display it runs under a private X server,
# saves a screenshot of the start window and says where it is.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" "$root/build" RelWithDebInfo >/dev/null
program=$root/build/quorvane

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$program"
fi

. "$root/tests/e2e/harness.sh"
e2e_start_display 1024x768
e2e_start_app "$program"
e2e_wait_windows Quorvane 1 || e2e_fail "the start window did not appear"
e2e_wait_for 5 e2e_is_active "$(e2e_windows Quorvane)"
sleep 1
shot=$root/build/screenshot.png
read -r x y w h < <(e2e_frame "$(e2e_windows Quorvane)")
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$shot"
echo "No display here: Quorvane ran under Xvfb. A screenshot of its start window is at $shot"
xdotool key Escape
echo "Quorvane ended with exit code $(e2e_wait_exit)."
