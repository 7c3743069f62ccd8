# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A virtual X display with a window manager, for scripts that drive the real program, and the
# helpers they share.
# Sourced, not run. After start_x_session, DISPLAY is set and $work is a temporary folder;
# both go away when the script exits (KEEP=1 keeps the folder and its logs).

work=$(mktemp -d)
session_pids=()

end_x_session() {
    local pid
    for pid in "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    if [ -n "${KEEP:-}" ]; then
        echo "kept $work" >&2
    else
        rm -rf "$work"
    fi
}
trap end_x_session EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for COMMAND...: waits for the command to succeed, trying every tenth of a second: on a
# busy machine a window manager or a window can take long to come, so it gives up only after a
# minute (a normal run waits a second or two).
wait_for() {
    local tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -lt 600 ] || fail "timed out waiting for: $*"
        sleep 0.1
    done
}

# start_x_session [SCREEN]: Xvfb at SCREEN (1280x800 unless given) on a free display, and
# openbox managing it. Everything started from here has a home and XDG folders in $work, so
# nothing reaches the user's own.
start_x_session() {
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
        XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    session_pids+=($!)
    wait_for test -s "$work/display"
    export DISPLAY=":$(cat "$work/display")"
    # The window manager; started once more if it has not come up in 20 s (on a busy machine it
    # has been seen to end at once), with what it said.
    local attempt tries
    for attempt in 1 2; do
        openbox >"$work/openbox.log" 2>&1 &
        session_pids+=($!)
        for ((tries = 0; tries < 200; tries++)); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            sleep 0.1
        done
        echo "start_x_session: openbox did not come up (attempt $attempt): $(cat "$work/openbox.log")" >&2
    done
    fail "no window manager on $DISPLAY"
}

# window_named NAME: the id of the visible window titled exactly NAME, once it is there.
window_named() {
    wait_for xdotool search --onlyvisible --name "^$1\$"
    xdotool search --onlyvisible --name "^$1\$" | head -n 1
}

# wait_for_maximised WINDOW: waits until the window manager has maximised the window and the
# window spans the screen's width; when it gives up, says what the window was like.
wait_for_maximised() {
    local screen_width tries=0
    screen_width=$(xwininfo -root | sed -n 's/.*Width: *//p')
    until xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_VERT &&
        xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_HORZ &&
        xwininfo -id "$1" 2>/dev/null | grep -q "Width: $screen_width\$"; do
        tries=$((tries + 1))
        if [ $tries -ge 600 ]; then
            echo "window $1: $(xprop -id "$1" _NET_WM_STATE WM_NAME WM_NORMAL_HINTS 2>&1)" >&2
            xwininfo -id "$1" >&2 2>&1 || true
            echo "windows named so: $(xdotool search --name "$(xprop -id "$1" WM_NAME |
                sed 's/.*= "//; s/"$//')" 2>&1 | tr '\n' ' ')" >&2
            fail "window $1 was not maximised across $screen_width pixels in a minute"
        fi
        sleep 0.1
    done
}

# window_origin WINDOW: sets left and top to where the window's client area lies on the screen,
# and width to its width.
window_origin() {
    local info
    info=$(xwininfo -id "$1")
    left=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    top=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    width=$(echo "$info" | sed -n 's/.*Width: *//p')
}

# menu_height [SCALE]: sets menu to the height of the window's menu bar in logical pixels, from
# the first device row of the black client area below it (at logical x 850, clear of the menus,
# the controls and a scroll bar); fails while there is no such menu bar. Needs window_origin.
menu_height() {
    local scale=${1:-1} x first
    x=$(awk -v s="$scale" 'BEGIN { print int(850 * s) }')
    first=$(import -window root -crop "1x300+$((left + x))+$top" -depth 8 txt:- 2>/dev/null |
        awk -F'[ ,:()]+' 'NR > 1 && $3 == 0 && $4 == 0 && $5 == 0 && !found { print $2; found = 1 }')
    [ -n "$first" ] || return 1
    menu=$(awk -v d="$first" -v s="$scale" 'BEGIN { print int(d / s + 0.5) }')
    [ "$menu" -gt 10 ]
}

# status_height [SCALE]: sets status to the height of the window's status bar in logical pixels,
# from the last device row of the black client area above it (at logical x 10, clear of the
# controls and the status bar's fields). Needs window_origin.
status_height() {
    local scale=${1:-1} x height last
    x=$(awk -v s="$scale" 'BEGIN { print int(10 * s) }')
    height=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')
    last=$(import -window root -crop "1x300+$((left + x))+$((top + height - 300))" -depth 8 txt:- 2>/dev/null |
        awk -F'[ ,:()]+' 'NR > 1 && $3 == 0 && $4 == 0 && $5 == 0 { last = $2 } END { print last }')
    [ -n "$last" ] || return 1
    status=$(awk -v l="$last" -v s="$scale" 'BEGIN { print int((299 - l) / s + 0.5) }')
    [ "$status" -gt 10 ]
}

# click_at X Y [BUTTON]: a click at client position (X, Y) of the window window_origin measured.
click_at() {
    xdotool mousemove --sync $((left + $1)) $((top + $2)) click "${3:-1}"
    sleep 0.2
}
