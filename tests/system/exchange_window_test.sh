#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program's menu bar and what goes in and out through it, in a real X window at a scale:
# a picture opened by typing its path into the open dialog, the canvas copied to the real
# clipboard and saved as PNG, a colour picked from the canvas with the right button, a palette
# gone to, copied, pasted from the clipboard and exported; a palette edited live and
# browsed to; the file dialogs open at 800 x 500 or more.
# Usage: exchange_window_test.sh PATH_TO_SINEPAINT SCALE
set -euo pipefail

program=$1
scale=$2
source "$(dirname "$0")/scaled_session.sh"
start_program_at_scale "$program" "$scale"

# Below the menu bar the layout is where it always was: the strip's first palette and the
# black between the controls.
expect_pixel $((106 + 0)) $((strip_top + 10)) "17,216,101" "the strip is not below the menu bar"
expect_pixel 90 $((menu + 300)) "0,0,0" "the background is not black"

# expect_roomy TITLE: the file dialog titled TITLE shows names, sizes and dates whole: it is
# 800 x 500 logical pixels or more.
expect_roomy() {
    local info width height
    info=$(xwininfo -id "$(window_named "$1")")
    width=$(echo "$info" | sed -n 's/.*Width: *//p')
    height=$(echo "$info" | sed -n 's/.*Height: *//p')
    [ "$width" -ge "$(awk -v s="$scale" 'BEGIN { print int(800 * s) }')" ] &&
        [ "$height" -ge "$(awk -v s="$scale" 'BEGIN { print int(500 * s) }')" ] ||
        fail "\"$1\" opened at $width x $height device pixels"
}

# Open: Ctrl+O, the path typed, Enter. A 1000 x 400 picture fills rows 113 to 322.
convert -size 1000x400 "xc:rgb(10,20,200)" "$work/wide.png"
key ctrl+o
expect_roomy "Open picture"
answer_dialog "Open picture" "$work/wide.png"
expect_pixel $((106 + 5)) $((canvas_top + 113)) "10,20,200" "the opened picture is not on the canvas"
expect_pixel $((106 + 5)) $((canvas_top + 112)) "240,240,240" "the opened picture is not centred"

# A right press on it picks its colour; a drag then paints with it on the grey.
move_to $((106 + 300)) $((canvas_top + 200))
xdotool click 3
move_to $((106 + 100)) $((canvas_top + 50))
xdotool mousedown 1
move_to $((106 + 140)) $((canvas_top + 50))
xdotool mouseup 1
expect_pixel $((106 + 140)) $((canvas_top + 50)) "10,20,200" "the right press did not pick the canvas colour"

# Save As (Ctrl+Shift+S) with a name typed without an ending: a PNG, as the first filter says.
key ctrl+shift+s
expect_roomy "Save picture as"
answer_dialog "Save picture as" "$work/saved"
wait_for test -s "$work/saved.png"
[ "$(identify -format '%m %wx%h' "$work/saved.png")" = "PNG 525x437" ] || fail "Save As wrote no PNG of the canvas"
[ "$(convert "$work/saved.png" -crop 1x1+140+50 -depth 8 txt:- | sed -n 2p |
    sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/')" = "10,20,200" ] || fail "the saved PNG is not the canvas"

# Copy: the clipboard offers the canvas as PNG, pixel for pixel.
key ctrl+c
wait_for sh -c "xclip -selection clipboard -t TARGETS -o | grep -qx image/png"
xclip -selection clipboard -t image/png -o >"$work/copied.png"
[ "$(identify -format '%wx%h' "$work/copied.png")" = "525x437" ] || fail "the copied picture is not 525 x 437"
for point in "0 0" "5 113" "140 50" "524 436"; do
    set -- $point
    copied=$(convert "$work/copied.png" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 2p |
        sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/')
    [ "$copied" = "$(screen_pixel $((106 + $1)) $((canvas_top + $2)))" ] ||
        fail "the copied canvas at ($1, $2) is $copied, the screen shows another colour"
done

# Go to palette 5 (Ctrl+Shift+G), copy its line, paste palette 1's line from the clipboard.
key ctrl+shift+g
answer_dialog "Go to palette" 5
expect_pixel 106 $((strip_top + 10)) "123,22,6" "go to palette 5 did not show it"
key ctrl+shift+c
wait_for sh -c "xclip -selection clipboard -o | grep -q '^sinepaint palette 5: red phase '"
printf 'sinepaint palette 1: red phase 5.243853766918183 period 68.88153; green phase 0.7974771142005921 period 26.862747; blue phase 6.084489276409149 period 62.029648' |
    xclip -selection clipboard -i 2>/dev/null
key ctrl+shift+v
expect_pixel 106 $((strip_top + 10)) "17,216,101" "the pasted palette line did not show palette 1"

# Export (Ctrl+E) to a GIMP palette of every column, read strictly: the header, then 525 lines
# of three numbers from 0 to 255.
key ctrl+e
expect_roomy "Export palette"
answer_dialog "Export palette" "$work/first.gpl"
answer_dialog "GIMP palette swatches" 525
wait_for test -s "$work/first.gpl"
awk 'NR == 1 { if ($0 != "GIMP Palette") exit 1; next }
     NR == 2 { if ($0 != "Name: sinepaint palette 1") exit 1; next }
     NR == 3 { if ($0 != "Columns: 64") exit 1; next }
     { if (NF != 3) exit 1; for (i = 1; i <= 3; i++) if ($i !~ /^[0-9]+$/ || $i > 255) exit 1; n++ }
     END { if (n != 525) exit 1 }' "$work/first.gpl" || fail "the exported GIMP palette is not well formed"
[ "$(sed -n 4p "$work/first.gpl")" = " 17 216 101" ] || fail "the export does not begin with palette 1's first colour"
# Edit palette (Ctrl+Shift+P) from the keyboard alone: the focus starts in the red phase
# field, whose value is selected; Tab goes on to its slider, which Page Up moves; the strip
# changes before OK, Escape puts it back, and Enter (OK) keeps the change. A value typed into
# the field is taken whole when Tab leaves it.
strip_shot() { # strip_shot NAME: keeps the strip as shown
    import -window root -crop "$(device 525)x$(device 29)+$((left + $(device 106)))+$((top + $(device $((strip_top)))))" \
        "$work/$1.png"
}
strip_differs() { # strip_differs NAME: whether the strip shows other pixels than NAME
    strip_shot now
    [ "$(compare -metric AE "$work/$1.png" "$work/now.png" null: 2>&1)" != 0 ]
}
edit_red_phase() { # opens the editor and moves the red phase; the strip follows before OK
    xdotool windowactivate --sync "$window"
    key ctrl+shift+p
    xdotool windowactivate --sync "$(window_named "Edit palette")"
    sleep 0.3
    xdotool key Tab
    for _ in 1 2 3; do xdotool key Page_Up; done
    wait_for strip_differs palette1
}
strip_shot palette1
edit_red_phase
xdotool key Escape
wait_for eval '! strip_differs palette1'
edit_red_phase
xdotool key Return
wait_for sh -c "! xdotool search --onlyvisible --name '^Edit palette\$'"
strip_differs palette1 || fail "OK did not keep the edited palette"
key ctrl+z
wait_for eval '! strip_differs palette1'
# Typed: red phase 1.57 and, after Tab and Tab, red period 20; Return from the field is OK.
# Column 0 is then red (sin 1.57 + 1) * 126 = 252 with palette 1's green and blue.
xdotool windowactivate --sync "$window"
key ctrl+shift+p
xdotool windowactivate --sync "$(window_named "Edit palette")"
sleep 0.3
xdotool type --delay 20 "1.57"
xdotool key Tab Tab
xdotool type --delay 20 "20"
xdotool key Return
wait_for sh -c "! xdotool search --onlyvisible --name '^Edit palette\$'"
expect_pixel 106 $((strip_top + 10)) "252,216,101" "the typed phase 1.57 did not reach the strip"
key ctrl+shift+c
wait_for sh -c "xclip -selection clipboard -o | grep -q '^sinepaint palette 1: red phase 1.57 period 20; green '"
key ctrl+z
wait_for eval '! strip_differs palette1'

# Browse palettes (Ctrl+Shift+B): two pages down from palette 1, then a double-click in the
# middle of the list takes a palette past the first page (18 strips); its copied line names it.
key ctrl+shift+b
browser=$(window_named "Browse palettes")
xdotool windowactivate --sync "$browser"
sleep 0.3
xdotool key Next Next # the second page scrolls the first out of sight
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$browser")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 80 1
wait_for sh -c "! xdotool search --onlyvisible --name '^Browse palettes\$'"
wait_for strip_differs palette1
xdotool windowactivate --sync "$window"
key ctrl+shift+c
wait_for sh -c "xclip -selection clipboard -o | grep -qE '^sinepaint palette (19|[2-9][0-9]|1[0-9][0-9]): '"

# The same from the keyboard alone: the browser opens on the palette on the strip, Down twice
# and Return take the palette two numbers on.
browsed=$(xclip -selection clipboard -o | sed -E 's/^sinepaint palette ([0-9]+):.*/\1/')
key ctrl+shift+b
xdotool windowactivate --sync "$(window_named "Browse palettes")"
sleep 0.3
xdotool key Down Down Return
wait_for sh -c "! xdotool search --onlyvisible --name '^Browse palettes\$'"
xdotool windowactivate --sync "$window"
key ctrl+shift+c
wait_for sh -c "xclip -selection clipboard -o | grep -q '^sinepaint palette $((browsed + 2)): '"
# Variations (Ctrl+Shift+J) from the keyboard alone: the focus on the middle palette, Right and
# Return take the variation beside it; Ctrl+Z puts the strip back.
strip_shot before-variations
key ctrl+shift+j
xdotool windowactivate --sync "$(window_named "Variations")"
sleep 0.3
xdotool key Right Return
wait_for sh -c "! xdotool search --onlyvisible --name '^Variations\$'"
wait_for strip_differs before-variations
xdotool windowactivate --sync "$window"
key ctrl+z
wait_for eval '! strip_differs before-variations'

echo "exchange at scale $scale: menu bar, open, right-press pick, save as, copy, go to, copy and paste of a palette and its export, browsing and variations all fine"
