#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The living palette in a real X window at a scale: two discs from palette 1's columns 100 and
# 200, Ctrl+Shift+L, then Ctrl+Shift+G to palette 9: the discs take palette 9's colours of
# their columns, and no other pixel of the canvas changes. Then palettes in motion: with
# Ctrl+Shift+A a stroke shows many strip colours, and Ctrl+Shift+Y moves the strip and stops it.
# Usage: live_palette_window_test.sh PATH_TO_SINEPAINT SCALE
set -euo pipefail

program=$1
source "$(dirname "$0")/scaled_session.sh"
start_program_at_scale "$program" "$2"

disc() { # disc STRIP_COLUMN CANVAS_X CANVAS_Y: picks the column and paints one disc there
    move_to $((106 + $1)) $((strip_top + 10))
    xdotool click 1
    move_to $((106 + $2 - 1)) $((canvas_top + $3))
    xdotool mousedown 1
    move_to $((106 + $2)) $((canvas_top + $3))
    xdotool mouseup 1
}
canvas() { # canvas NAME: keeps the canvas as shown, the pointer and its outline off it
    move_to 40 $((canvas_top + 100))
    sleep 0.3
    import -window root -crop \
        "$(device 524)x$(device 436)+$((left + $(device 106)))+$((top + $(device "$canvas_top")))" \
        "$work/$1.png"
}

disc 100 100 300
disc 200 300 300
expect_pixel $((106 + 100)) $((canvas_top + 300)) "177,2,250" "palette 1's column 100 not painted"
expect_pixel $((106 + 300)) $((canvas_top + 300)) "247,243,141" "palette 1's column 200 not painted"
key ctrl+shift+l
sleep 0.5
expect_pixel $((106 + 300)) $((canvas_top + 300)) "247,243,141" "Live palette changed a disc"
canvas before

key ctrl+shift+g
answer_dialog "Go to palette" 9
expect_pixel $((106 + 100)) $((canvas_top + 300)) "251,210,62" "the disc from column 100 did not follow"
expect_pixel $((106 + 300)) $((canvas_top + 300)) "7,12,232" "the disc from column 200 did not follow"
expect_pixel $((106 + 200)) $((canvas_top + 300)) "240,240,240" "the grey changed"
canvas after
# Two discs of radius 2, 13 pixels each, and nothing else.
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
expected=$(awk -v s="$scale" 'BEGIN { printf "%d", 26 * s * s }')
[ "$changed" = "$expected" ] ||
    fail "the palette changed $changed device pixels of the canvas, not the discs' $expected"

# Colour along the stroke: a drag of 200 pixels walks 50 columns from column 10.
key ctrl+shift+a
move_to $((106 + 10)) $((strip_top + 10))
xdotool click 1
move_to $((106 + 50)) $((canvas_top + 400))
xdotool mousedown 1
for x in $(seq 52 2 250); do
    move_to $((106 + x)) $((canvas_top + 400))
done
xdotool mouseup 1
sleep 0.5
import -window root -crop "$(device 200)x1+$((left + $(device 156)))+$((top + $(device $((canvas_top + 400)))))" \
    "$work/stroke.png"
colours=$(convert "$work/stroke.png" -unique-colors txt: | grep -c '^[0-9]')
[ "$colours" -ge 20 ] || fail "the stroke shows $colours colours, not a walk along the strip"

# Cycling colours: the strip moves while it is on, and stays once it is off.
strip_now() { screen_pixel $((106 + 300)) $((strip_top + 10)); }
still=$(strip_now)
key ctrl+shift+y
wait_for eval '[ "$(strip_now)" != "$still" ]' || fail "the strip did not move while cycling"
key ctrl+shift+y
sleep 0.3
stopped=$(strip_now)
sleep 1
[ "$(strip_now)" = "$stopped" ] || fail "the strip went on moving after the cycle stopped"
echo "live palette at scale $scale: the discs follow palette 9, nothing else changes;" \
    "a stroke walks $colours colours; the cycle moves the strip and stops"
