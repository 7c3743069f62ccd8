#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Opening with sinepaint, as a file manager does: `sinepaint FILE` starts with that picture on
# the canvas; a file that is no picture opens the window with the message, and the program
# goes on. Usage: open_with_test.sh PATH_TO_SINEPAINT
set -euo pipefail

program=$1
source "$(dirname "$0")/scaled_session.sh"
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"; end_x_session' EXIT
convert -size 525x437 "xc:rgb(200,30,60)" "$pictures/red.png"
printf 'not a picture at all\n' >"$pictures/notes.png"

start_program_at_scale "$program" 1 "$pictures/red.png"
expect_pixel $((106 + 10)) $((canvas_top + 10)) "200,30,60" "the picture named on the command line is not on the canvas"
key ctrl+q
sleep 0.5
# A name that is not UTF-8 (a byte 0xFF) opens too.
convert -size 525x437 "xc:rgb(20,130,60)" "$pictures/"$'\xff'"-green.png"
HOME="$work/home" QT_QPA_PLATFORM=xcb "$program" "$pictures/"$'\xff'"-green.png" >"$work/ff.log" 2>&1 &
session_pids+=($!)
window=$(window_named form1)
wait_for_maximised "$window"
window_origin "$window"
xdotool windowactivate --sync "$window"
expect_pixel $((106 + 10)) $((canvas_top + 10)) "20,130,60" "a picture whose name is not UTF-8 is not on the canvas"
key ctrl+q
sleep 0.5

HOME="$work/home" QT_QPA_PLATFORM=xcb "$program" --palette 3 "$pictures/notes.png" >"$work/bad.log" 2>&1 &
session_pids+=($!)
window_named "Picture not opened" >/dev/null
window_named form1 >/dev/null
xdotool search --name '^form1$' windowclose 2>/dev/null || true
xdotool search --name '^Picture not opened$' windowclose 2>/dev/null || true
sleep 0.5

# Qt's options that take a value: the value is never taken for a picture to open.
for options in "-style fusion" "-platform xcb" "-display $DISPLAY"; do
    # shellcheck disable=SC2086 # an option and its value
    HOME="$work/home" QT_QPA_PLATFORM=xcb "$program" $options >"$work/options.log" 2>&1 &
    pid=$!
    window_named form1 >/dev/null
    sleep 1
    if xdotool search --onlyvisible --name '^Picture not opened$' >/dev/null 2>&1; then
        fail "sinepaint $options took its value for a picture"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "open with: a picture named on the command line comes in; a bad one is reported in the" \
    "window; the values of Qt's options are never taken for a picture"
