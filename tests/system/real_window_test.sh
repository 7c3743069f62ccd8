#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program in a real X window: a virtual display, a window manager, and real
# mouse input. Usage: real_window_test.sh PATH_TO_SINEPAINT (KEEP=1 keeps its folder and logs)
set -euo pipefail

program=$1
source "$(dirname "$0")/../../scripts/xsession.sh"
start_x_session

# The program with a home of its own, so its pictures land in $work/home/Pictures.
mkdir -p "$work/home"
HOME="$work/home" QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
session_pids+=($program_pid)
window=$(window_named form1)
wait_for_maximised "$window"

# The window is maximised.
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "not maximised"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "not maximised"
window_origin "$window"
[ "$width" -ge 1200 ] || fail "the maximised window is only $width pixels wide"
# The client area lies below the menu bar: from here on, top is its top.
wait_for menu_height # sets menu
top=$((top + menu))

# pixel X Y: the colour on screen at client position (X, Y), as "r,g,b".
pixel() {
    import -window root -crop "1x1+$((left + $1))+$((top + $2))" -depth 8 txt:- 2>/dev/null |
        sed -n 2p | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# pixel_is X Y COLOUR: whether the screen shows COLOUR at client position (X, Y).
pixel_is() {
    [ "$(pixel "$1" "$2")" = "$3" ]
}
# expect_pixel X Y COLOUR WHAT: waits for COLOUR there (up to half a minute on a busy machine),
# or fails saying WHAT.
expect_pixel() {
    local tries=0
    until pixel_is "$1" "$2" "$3"; do
        tries=$((tries + 1))
        [ $tries -lt 150 ] || fail "$4: ($1, $2) shows $(pixel "$1" "$2"), not $3"
        sleep 0.2
    done
}

# The background is black.
expect_pixel 20 20 "0,0,0" "the background is not black"
expect_pixel 900 700 "0,0,0" "the background is not black"

# Canvas pixel (x, y) lies at client (106 + x, 98 + y); strip pixel at (106 + x, 562 + y).
canvas_x=106
canvas_y=98

# Pick a colour from the strip and drag a stroke across the canvas.
click_at $((106 + 100)) $((562 + 10))
first=$(pixel $((106 + 100)) $((562 + 10)))
xdotool mousemove --sync $((left + canvas_x + 50)) $((top + canvas_y + 50)) mousedown 1
for step in $(seq 1 40); do # each step moves: the press point itself paints nothing
    xdotool mousemove --sync $((left + canvas_x + 50 + step * 5)) $((top + canvas_y + 50 + step * 3))
    # A moment for each move to be handled: motion events that queue up on a busy machine are
    # merged into one, and the discs between them would not be painted.
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
expect_pixel $((canvas_x + 150)) $((canvas_y + 110)) "$first" "the stroke is not in the picked colour"

# Pick another colour, arm "change color" and press on the stroke: the stroke takes it.
click_at $((106 + 400)) $((562 + 10))
second=$(pixel $((106 + 400)) $((562 + 10)))
[ "$second" != "$first" ] || fail "the strip shows the same colour at columns 100 and 400"
click_at $((672 + 50)) $((384 + 8))
click_at $((canvas_x + 150)) $((canvas_y + 110))
sleep 0.3
expect_pixel $((canvas_x + 250)) $((canvas_y + 170)) "$second" "the stroke's end was not recoloured"
expect_pixel $((canvas_x + 55)) $((canvas_y + 53)) "$second" "the stroke was not recoloured"

# Help, then save.
click_at $((672 + 24)) $((480 + 8))
expect_pixel $((canvas_x + 25)) $((canvas_y + 25)) "200,200,200" "no help panel"
click_at $((672 + 50)) $((448 + 8))
wait_for sh -c "ls '$work/home/Pictures/'T*.jpg"
saved=$(ls "$work/home/Pictures/"T*.jpg | head -n 1)
[ "$(head -c 2 "$saved")" = "BM" ] || fail "the saved file is not a bitmap"

# The saved file is the canvas on screen, pixel for pixel.
same_as_saved() {
    import -window root -crop "525x437+$((left + canvas_x))+$((top + canvas_y))" "$work/canvas.png"
    local differing
    differing=$(compare -metric AE "bmp:$saved" "$work/canvas.png" null: 2>&1 || true)
    [ "$differing" = "0" ]
}
same_as_saved || fail "the saved picture differs from the canvas on screen"

# Cover the canvas with another window, take it away: the canvas comes back.
xmessage -geometry "500x400+$((left + 120))+$((top + 110))" "covering the canvas" &
cover=$!
session_pids+=($cover)
wait_for xdotool search --onlyvisible --class Xmessage
sleep 0.5
same_as_saved && fail "the covering window did not cover the canvas"
kill $cover
sleep 0.5
wait_for same_as_saved

# Undo and redo, with the keyboard. shot NAME keeps the canvas as shown; same_canvas NAME waits
# until the canvas shows exactly that again.
shot() { # the pointer off the canvas first, and with it the brush's outline
    xdotool mousemove --sync $((left + 4)) $((top + canvas_y))
    sleep 0.3
    import -window root -crop "525x437+$((left + canvas_x))+$((top + canvas_y))" "$work/$1.png"
}
canvas_is() {
    shot now
    [ "$(compare -metric AE "$work/$1.png" "$work/now.png" null: 2>&1)" = "0" ]
}
same_canvas() {
    local tries=0
    until canvas_is "$1"; do
        tries=$((tries + 1))
        [ $tries -lt 150 ] || fail "$2"
        sleep 0.2
    done
}
key() {
    xdotool key "$1"
}
xdotool windowactivate --sync "$window" # the keys go to it, now that the cover is gone
shot before-stroke
xdotool mousemove --sync $((left + canvas_x + 300)) $((top + canvas_y + 300)) mousedown 1
for step in $(seq 1 20); do
    xdotool mousemove --sync $((left + canvas_x + 300 + step * 4)) $((top + canvas_y + 300 - step))
done
xdotool mouseup 1
expect_pixel $((canvas_x + 380)) $((canvas_y + 280)) "$second" "the second stroke is missing"
shot stroke
key ctrl+z
same_canvas before-stroke "Ctrl+Z did not give back the canvas from before the stroke"
key ctrl+y
same_canvas stroke "Ctrl+Y did not give back the stroke"

# A replacement, armed with Ctrl+R: the grey of the canvas takes the second colour.
key ctrl+r
click_at $((canvas_x + 500)) $((canvas_y + 400))
expect_pixel $((canvas_x + 500)) $((canvas_y + 10)) "$second" "no replacement"
shot replaced
key ctrl+z
same_canvas stroke "Ctrl+Z did not take back the replacement"
key ctrl+shift+z
same_canvas replaced "Ctrl+Shift+Z did not redo the replacement"

# "new image" (Ctrl+N) a second later, so under a new name; undone, a save (Ctrl+S) goes to the
# earlier name and holds the earlier drawing.
sleep 1.1
key ctrl+n
expect_pixel $((canvas_x + 500)) $((canvas_y + 10)) "240,240,240" "Ctrl+N did not clear the canvas"
key ctrl+z
same_canvas replaced "Ctrl+Z did not bring the drawing back"
rm -f "$work/home/Pictures/"T*.jpg
key ctrl+s
wait_for sh -c "ls '$work/home/Pictures/'T*.jpg"
[ "$(ls "$work/home/Pictures/")" = "$(basename "$saved")" ] ||
    fail "the save after undoing new image went to $(ls "$work/home/Pictures/"), not $(basename "$saved")"
same_as_saved || fail "the save after undo differs from the canvas"

# "change palette" (Ctrl+G) undone: a pick reads the earlier strip again.
earlier=$(pixel $((106 + 300)) $((562 + 10)))
key ctrl+g
wait_for sh -c "[ \"\$(import -window root -crop 1x1+$((left + 406))+$((top + 572)) -depth 8 txt:- | sed -n 2p | grep -o '#[0-9A-F]*')\" != \"$(printf '#%02X%02X%02X' ${earlier//,/ })\" ]"
key ctrl+z
expect_pixel $((106 + 300)) $((562 + 10)) "$earlier" "Ctrl+Z did not bring the earlier palette back"
click_at $((106 + 300)) $((562 + 10))
xdotool mousemove --sync $((left + canvas_x + 100)) $((top + canvas_y + 400)) mousedown 1
xdotool mousemove --sync $((left + canvas_x + 110)) $((top + canvas_y + 400)) mouseup 1
expect_pixel $((canvas_x + 110)) $((canvas_y + 400)) "$earlier" "the pick did not read the earlier strip"

# The freehand banner shows its whole caption: the text's ink keeps clear of both ends.
ink=$(import -window root -crop "523x19+$((left + 107))+$((top + 51))" png:- |
    convert - +repage -threshold 50% -trim info:- | sed -E 's/.* ([0-9]+)x[0-9]+ [0-9]+x[0-9]+\+([0-9]+)\+.*/\1 \2/')
set -- $ink
[ "$2" -gt 0 ] && [ $(($1 + $2)) -lt 523 ] || fail "the freehand banner's caption is cut off ($ink)"

# Ctrl+Q ends the program with status 0.
key ctrl+q
status=0
wait $program_pid || status=$?
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "real window: maximised, black, pick, stroke, recolour, help, save, cover, undo and redo of"
echo "a stroke, a replacement, new image and a palette, keys and the banner all fine"
