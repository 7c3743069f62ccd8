#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The brush in a real X window at a scale: a fast drag with connected strokes on (Ctrl+L) leaves
# an unbroken line, Four ways (Ctrl+M three times) paints a disc at four places, the status bar
# is below the client area, Escape cancels change color, and ] and [ grow and shrink the
# brush-size indicator; the brush's outline follows the pointer and the guides show the mirror;
# the focused button is ringed, Edit → History jumps back two steps, Ctrl+F1 lists the keys.
# Usage: painting_window_test.sh PATH_TO_SINEPAINT SCALE
set -euo pipefail

program=$1
source "$(dirname "$0")/scaled_session.sh"
start_program_at_scale "$program" "$2"

# Pick palette 1's colour at strip column 100.
move_to $((106 + 100)) $((strip_top + 10))
xdotool click 1
colour=$(screen_pixel $((106 + 100)) $((strip_top + 10)))

# Connected strokes: pressed at canvas (50, 50), one jump to (450, 50), released.
key ctrl+l
move_to $((106 + 50)) $((canvas_top + 50))
xdotool mousedown 1
move_to $((106 + 450)) $((canvas_top + 50))
xdotool mouseup 1
for x in 50 51 150 249 250 350 449 450; do
    expect_pixel $((106 + x)) $((canvas_top + 50)) "$colour" "the connected stroke has a gap at column $x"
done
expect_pixel $((106 + 250)) $((canvas_top + 53)) "240,240,240" "the stroke is wider than its brush"

# Connected strokes off, Four ways on: one disc at (101, 300) shows at its three images too.
key ctrl+l
for step in 1 2 3; do key ctrl+m; done
move_to $((106 + 100)) $((canvas_top + 300))
xdotool mousedown 1
move_to $((106 + 101)) $((canvas_top + 300))
xdotool mouseup 1
for centre in "101 300" "423 300" "101 136" "423 136"; do
    set -- $centre
    expect_pixel $((106 + $1)) $((canvas_top + $2)) "$colour" "Four ways left out ($1, $2)"
done
# (Column 263: column 262 holds the dotted guide down the middle.)
expect_pixel $((106 + 263)) $((canvas_top + 300)) "240,240,240" "Four ways painted between its discs"

# The status bar is there, below the client area; Ctrl+R then Escape disarms change color: a
# press on the grey then paints one disc and recolours nothing.
wait_for status_height "$scale" # sets status
expect_pixel 90 $((menu + 300)) "0,0,0" "the background is not black above the status bar"
key ctrl+r
key Escape
move_to $((106 + 200)) $((canvas_top + 400))
xdotool mousedown 1
move_to $((106 + 201)) $((canvas_top + 400))
xdotool mouseup 1
expect_pixel $((106 + 201)) $((canvas_top + 400)) "$colour" "no disc after Escape"
expect_pixel $((106 + 300)) $((canvas_top + 420)) "240,240,240" "Escape did not cancel change color"

# ] grows the brush: the indicator changes, and [ brings back exactly what it showed.
indicator() { # indicator NAME: keeps the indicator box as shown
    import -window root -crop "$(device 31)x$(device 16)+$((left + $(device 800)))+$((top + $(device $((menu + 417)))))" \
        "$work/$1.png"
}
indicator_differs() { # indicator_differs NAME: whether the box shows other pixels than NAME
    indicator now
    [ "$(compare -metric AE "$work/$1.png" "$work/now.png" null: 2>&1)" != 0 ]
}
indicator radius2
key bracketright
wait_for indicator_differs radius2
key bracketleft
wait_for eval '! indicator_differs radius2'
# The brush under the pointer: over canvas pixel (100, 100), the outline's light line just above
# the disc of radius 2 and at its Four ways copy (424, 100), the disc's own pixels left alone, and
# the dotted guides through the middle pixel (262, 218). Brush → Show guides turns both off.
move_to $((106 + 100)) $((canvas_top + 100))
expect_pixel $((106 + 100)) $((canvas_top + 97)) "255,255,255" "no outline above the pointer"
expect_pixel $((106 + 424)) $((canvas_top + 97)) "255,255,255" "no outline at the mirror copy"
expect_pixel $((106 + 100)) $((canvas_top + 98)) "240,240,240" "the outline covers the disc"
expect_pixel $((106 + 262)) $((canvas_top + 0)) "128,128,128" "no guide down the middle column"
expect_pixel $((106 + 0)) $((canvas_top + 218)) "128,128,128" "no guide across the middle row"
menu_opens alt+b
key g
expect_pixel $((106 + 100)) $((canvas_top + 97)) "240,240,240" "Show guides left the outline"
expect_pixel $((106 + 262)) $((canvas_top + 0)) "240,240,240" "Show guides left the guides"
# Back on, and the pointer off the canvas: the outline goes with it, the guides stay.
menu_opens alt+b
key g
move_to 40 $((canvas_top + 100))
expect_pixel $((106 + 100)) $((canvas_top + 97)) "240,240,240" "the outline stayed after the pointer left"
expect_pixel $((106 + 262)) $((canvas_top + 0)) "128,128,128" "the guides went with the pointer"

# The focus plainly seen on the black window: "change palette" pressed, the button is ringed
# two pixels wide in the highlight colour, one black pixel away.
move_to $((672 + 50)) $((menu + 352 + 8))
xdotool click 1
for y in 349 350; do
    expect_pixel $((672 + 50)) $((menu + y)) "48,140,198" "no focus ring above change palette at row $y"
done
expect_pixel $((672 + 50)) $((menu + 351)) "0,0,0" "the focus ring touches the button"
expect_pixel 669 $((menu + 360)) "48,140,198" "no focus ring left of change palette"
expect_pixel 671 $((menu + 360)) "0,0,0" "the focus ring touches the button on the left"

# Edit → History from the keyboard: newest first, "Change palette" (marked), the disc at
# (201, 400), then the Four ways disc; the third item undoes the first two in one jump.
menu_opens alt+e
menu_opens h 2
xdotool key Down Down Return
expect_pixel $((106 + 201)) $((canvas_top + 400)) "240,240,240" "History did not undo to the third step"
expect_pixel $((106 + 101)) $((canvas_top + 300)) "$colour" "History undid one step too many"

# Help → Keys and commands (Ctrl+F1) opens its window; Escape closes it.
key ctrl+F1
keys=$(window_named "Keys and commands")
xdotool windowactivate --sync "$keys"
sleep 0.3
xdotool key Escape
wait_for sh -c "! xdotool search --onlyvisible --name '^Keys and commands\$'"
echo "painting at scale $scale: connected strokes, Four ways, the status bar, Escape, the brush-size keys, the outline, the guides, the focus ring, History and the keys window all fine"
