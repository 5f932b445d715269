# Helpers for the tests of the Windows build under Wine; source after tests/e2e/harness.sh (bash).
# Every test gets a prefix of its own, copied from the one that prepare.sh made for this test run, so
# that no two tests share a wineserver and its idea of which window is active.
W32_DIR=${1:?usage: TEST.sh WORK_DIR (made by prepare.sh)}
W32_EXE=$W32_DIR/quorvane.exe
W32_TESTS_EXE=$W32_DIR/quorvane_win32_tests.exe
W32_FATAL_EXE=$W32_DIR/quorvane_fatal_start.exe

export WINEARCH=win64
export WINEDEBUG=-all
# No .NET or HTML engine is wanted, and asking for them would pop up installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$E2E_TMP/prefix

w32_cleanup() {
    wineserver -k >/dev/null 2>&1
    e2e_cleanup
    rm -rf "$WINEPREFIX"
}
trap w32_cleanup EXIT

# w32_prefix: this test's own copy of the run's prefix.
w32_prefix() {
    [ -d "$W32_DIR/prefix" ] || e2e_fail "no Wine prefix in $W32_DIR: prepare.sh has not run"
    cp -a "$W32_DIR/prefix" "$WINEPREFIX"
}

# w32_start_app EXE [ENV=VALUE...]: starts a Windows program under Wine in the background; its exit
# code is kept as e2e_wait_exit expects it. Wine reports the process's code modulo 256.
w32_start_app() {
    local exe=$1; shift
    rm -f "$E2E_TMP/app.rc" # the code of a program started earlier in the same test
    ( env "$@" wine "$exe" >"$E2E_TMP/app.out" 2>"$E2E_TMP/app.err"; echo $? >"$E2E_TMP/app.rc" ) &
    E2E_APP_PID=$!
}


# The client area of a top-level window: Wine draws the classic fixed frame itself, 3 px on each side
# below a caption that ends 22 px below the frame's top.
W32_FRAME_LEFT=3
W32_FRAME_TOP=22

# w32_client_origin ID: "X Y" of the window's client area on the screen.
w32_client_origin() {
    local x y w h
    read -r x y w h < <(e2e_frame "$1")
    echo "$(( x + W32_FRAME_LEFT )) $(( y + W32_FRAME_TOP ))"
}

# w32_shot FILE: the whole screen.
w32_shot() { import -display "$DISPLAY" -window root "$1" 2>/dev/null; }

# w32_crop SHOT X Y W H OUT: a part of a screenshot.
w32_crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }

# w32_differing A B: how many pixels of two pictures of one size differ.
w32_differing() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{print int($1)}'; }

# w32_rmse A B: the root mean square difference of two pictures, 0 (equal) to 1.
w32_rmse() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/'; }

w32_expect_below() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }' || e2e_fail "$3: $1 is not below $2"
}

# w32_window_titled TITLE: the id of the one viewable window with that title, as soon as there is one.
w32_window_titled() {
    e2e_wait_windows "$1" 1 || e2e_fail "no window titled $1"
    e2e_windows "$1"
}

# w32_wait_frame ID "X Y W H": Wine moves its X window into place just after mapping it.
w32_wait_frame() {
    e2e_wait_for 10 w32_frame_is "$1" "$2" || e2e_fail "frame of $1: expected '$2', got '$(e2e_frame "$1")'"
}
w32_frame_is() { [ "$(e2e_frame "$1")" = "$2" ]; }

# w32_on_top ID: the window is at the top of the window manager's stack.
w32_on_top() {
    [ "$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}')" = "$(printf '0x%x' "$1")" ]
}
