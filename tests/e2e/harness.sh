# Shared helpers for the end-to-end tests: a private X server with a window manager, the real program
# started on it, and real input through xdotool. Source it from a test script (bash).
set -u

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/qv-e2e.XXXXXX")
E2E_XVFB_PID=
E2E_WM_PID=
E2E_APP_PID=

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -display "$DISPLAY" -window root "$E2E_TMP/failure.png" 2>/dev/null && echo "screen at failure: $E2E_TMP/failure.png" >&2
    fi
    exit 1
}

e2e_cleanup() {
    [ -n "$E2E_APP_PID" ] && kill "$E2E_APP_PID" 2>/dev/null
    [ -n "$E2E_WM_PID" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
}
trap e2e_cleanup EXIT

# e2e_wait_for SECONDS COMMAND...: retries COMMAND every 0.1 s until it succeeds or time runs out.
e2e_wait_for() {
    local limit=$(( $1 * 10 )); shift
    local i
    for (( i = 0; i < limit; i++ )); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# e2e_start_display [WIDTHxHEIGHT]: Xvfb on a free display number, then openbox on it. The server
# picks the number itself and writes it to a file, so that tests started at the same time in other
# processes never share a display; -noreset keeps it from resetting, and refusing connections for a
# moment, whenever its last client (xdpyinfo, say) disconnects.
e2e_start_display() {
    local size=${1:-1024x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for 10 grep -q '^[0-9]' "$E2E_TMP/display" || e2e_fail "no X server could be started"
    export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
    e2e_wait_for 10 xdpyinfo || e2e_fail "the X server on $DISPLAY does not answer"
    # Under heavy load openbox now and then fails to open a display that has just come up; try again.
    local attempt
    for attempt in 1 2 3; do
        openbox >"$E2E_TMP/openbox.log" 2>&1 &
        E2E_WM_PID=$!
        e2e_wait_for 10 e2e_wm_running && return 0
        kill "$E2E_WM_PID" 2>/dev/null
        E2E_WM_PID=
    done
    e2e_fail "openbox did not start"
}

e2e_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# e2e_start_app PROGRAM [ENV=VALUE...]: starts the program in the background; its exit code is kept.
e2e_start_app() {
    local program=$1; shift
    rm -f "$E2E_TMP/app.rc"
    ( env "$@" "$program" >"$E2E_TMP/app.out" 2>"$E2E_TMP/app.err"; echo $? >"$E2E_TMP/app.rc" ) &
    E2E_APP_PID=$!
}

# e2e_windows TITLE: the ids of the mapped (viewable) client windows with exactly that title.
e2e_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
    done
}

e2e_window_count() { e2e_windows "$1" | wc -l; }

# e2e_wait_windows TITLE COUNT [SECONDS]
e2e_wait_windows() {
    local title=$1 count=$2 seconds=${3:-15}
    e2e_wait_for "$seconds" e2e_has_window_count "$title" "$count"
}
e2e_has_window_count() { [ "$(e2e_window_count "$1")" -eq "$2" ]; }

# e2e_frame ID: "X Y WIDTH HEIGHT" of the frame the window manager draws around the client window.
e2e_frame() {
    local id=$1 info x y w h l r t b
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/^  Width/ {print $2}' <<<"$info")
    h=$(awk '/^  Height/ {print $2}' <<<"$info")
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$(( x - l )) $(( y - t )) $(( w + l + r )) $(( h + t + b ))"
}

# e2e_client ID: "X Y WIDTH HEIGHT" of the client area on the screen.
e2e_client() {
    local info
    info=$(xwininfo -id "$1")
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") \
$(awk '/^  Width/ {print $2}' <<<"$info") $(awk '/^  Height/ {print $2}' <<<"$info")"
}

e2e_screen_size() { xdpyinfo | awk '/dimensions:/ {print $2}' | tr x ' '; }

# e2e_wait_exit [SECONDS]: waits for the program to end and prints its exit code.
e2e_wait_exit() {
    e2e_wait_for "${1:-15}" test -s "$E2E_TMP/app.rc" || e2e_fail "the program did not end"
    E2E_APP_PID=
    cat "$E2E_TMP/app.rc"
}

e2e_running() { [ ! -s "$E2E_TMP/app.rc" ]; }

# e2e_activate ID: makes the window active through the window manager and waits until it is.
e2e_activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    e2e_wait_for 5 e2e_is_active "$1"
}
e2e_is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# e2e_pixel X Y: the colour of one screen pixel as "R G B" (0..255).
e2e_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | awk '{printf "%d %d %d\n", $1, $2, $3}'
}

e2e_screenshot() { import -window root "$1"; }

e2e_expect_eq() { [ "$1" = "$2" ] || e2e_fail "$3: expected '$2', got '$1'"; }
