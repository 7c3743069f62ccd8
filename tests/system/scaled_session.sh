# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program maximised in a real X window at a scale, on a screen of 1280 x 800 logical
# pixels so that the whole layout shows without scrolling, and the helpers that address it in
# logical pixels of the window. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xsession.sh"

# start_program_at_scale PROGRAM SCALE [ARGUMENT...]: starts the session and the program with
# its home in $work/home; sets scale, window, left, top, menu, canvas_top and strip_top, and
# activates the window.
start_program_at_scale() {
    local program=$1
    scale=$2
    shift 2
    start_x_session "$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 1280 * s, 800 * s }')"
    mkdir -p "$work/home"
    HOME="$work/home" QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" "$@" \
        >"$work/program.log" 2>&1 &
    session_pids+=($!)
    window=$(window_named form1)
    wait_for_maximised "$window"
    window_origin "$window"
    wait_for menu_height "$scale" # sets menu
    # Canvas pixel (x, y) is window pixel (106 + x, canvas_top + y); strip pixel (106 + x,
    # strip_top + y).
    canvas_top=$((menu + 98))
    strip_top=$((menu + 562))
    xdotool windowactivate --sync "$window"
}

# device LOGICAL: the device pixel, in the window, at the centre of logical pixel LOGICAL.
device() {
    awk -v l="$1" -v s="$scale" 'BEGIN { print int((l + 0.5) * s) }'
}
screen_pixel() { # screen_pixel LOGICAL_X LOGICAL_Y: "r,g,b" on screen there
    import -window root -crop "1x1+$((left + $(device "$1")))+$((top + $(device "$2")))" \
        -depth 8 txt:- 2>/dev/null | sed -n 2p | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
shows() { # shows LOGICAL_X LOGICAL_Y COLOUR
    [ "$(screen_pixel "$1" "$2")" = "$3" ]
}
expect_pixel() { # expect_pixel LOGICAL_X LOGICAL_Y COLOUR WHAT
    wait_for shows "$1" "$2" "$3" || true
    shows "$1" "$2" "$3" || fail "$4: ($1, $2) shows $(screen_pixel "$1" "$2"), not $3"
}
move_to() { # move_to LOGICAL_X LOGICAL_Y
    xdotool mousemove --sync $((left + $(device "$1"))) $((top + $(device "$2")))
}
key() {
    xdotool key --clearmodifiers "$1"
}
# menu_opens KEY [DEPTH]: presses KEY and waits until the menu it opens shows: DEPTH 1 (the
# default) a menu of the menu bar, once no menu is open; 2 a submenu of the open menu. Menus
# count among the program's windows.
menu_opens() {
    local depth=${2:-1} count="xdotool search --onlyvisible --class sinepaint | wc -l"
    wait_for sh -c "[ \$($count) -le $depth ]"
    key "$1"
    wait_for sh -c "[ \$($count) -gt $depth ]"
}
# answer_dialog TITLE TEXT: types TEXT into the dialog titled TITLE and presses Enter.
answer_dialog() {
    local dialog
    dialog=$(window_named "$1")
    xdotool windowactivate --sync "$dialog"
    sleep 0.3
    xdotool key ctrl+a # what the dialog offers goes
    xdotool type --delay 10 "$2"
    sleep 0.3
    xdotool key Return
    wait_for sh -c "! xdotool search --onlyvisible --name '^$1\$'"
}
