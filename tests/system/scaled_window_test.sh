#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a scaled screen: Xvfb with a window manager, QT_SCALE_FACTOR set, real
# mouse input at device pixels. A window smaller than the layout is scrolled to its bottom with
# the wheel first. Usage: scaled_window_test.sh PATH_TO_SINEPAINT SCALE SCREEN (e.g. 2 1920x1080)
set -euo pipefail

program=$1
scale=$2
screen=$3
source "$(dirname "$0")/../../scripts/xsession.sh"
start_x_session "$screen"

mkdir -p "$work/home"
HOME="$work/home" QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
session_pids+=($program_pid)
window=$(window_named form1)
wait_for_maximised "$window"
window_origin "$window"
height=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')

# device X_OR_Y LOGICAL: the last device pixel (in the client area) whose centre lies in the
# logical pixel LOGICAL, an odd offset into it at scale 2: the device pixel that shows it and
# that a press on must read it.
device() {
    awk -v l="$1" -v s="$scale" 'BEGIN { d = (l + 1) * s - 0.5; c = int(d); if (c < d) c++; print c - 1 }'
}
# The menu bar's and the status bar's logical heights, the client area's between them (as Qt
# rounds them), and how far the
# layout (641 high) scrolls. From here on, scrolled is how far the layout lies above where it
# would lie in a window without a menu bar.
wait_for menu_height "$scale"   # sets menu
wait_for status_height "$scale" # sets status
logical_height=$(awk -v h="$height" -v s="$scale" -v m="$menu" -v b="$status" 'BEGIN { print int(h / s + 0.5) - m - b }')
scrolled=$((-menu))
if [ "$logical_height" -lt 641 ]; then
    xdotool mousemove --sync $((left + 10)) $((top + $(device $((menu + 10)))))
    for _ in $(seq 1 40); do xdotool click 5; done # the wheel, down to the end
    scrolled=$((641 - logical_height - menu))
fi

# Canvas pixel (x, y) is window pixel (106 + x, 98 + y - scrolled); strip pixel (106 + x, 562 + y).
canvas_top=$((98 - scrolled))
strip_top=$((562 - scrolled))
press_at() { # press_at LOGICAL_X LOGICAL_Y: moves there and clicks
    xdotool mousemove --sync $((left + $(device "$1"))) $((top + $(device "$2"))) click 1
}
screen_pixel() { # screen_pixel LOGICAL_X LOGICAL_Y: "r,g,b" at the device pixel of device()
    import -window root -crop "1x1+$((left + $(device "$1")))+$((top + $(device "$2")))" \
        -depth 8 txt:- 2>/dev/null | sed -n 2p | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Pick strip column 200 and stamp one disc with its centre on canvas pixel (300, 300): pressed
# elsewhere on the canvas (a press paints nothing), one move to the pixel, released.
wait_for sh -c "[ \"\$(import -window root -crop 1x1+$((left + $(device $((106 + 200)))))+$((top + $(device $((strip_top + 14))))) -depth 8 txt:- 2>/dev/null | grep -c black)\" = 0 ]"
shown=$(screen_pixel $((106 + 200)) $((strip_top + 14)))
press_at $((106 + 200)) $((strip_top + 14))
xdotool mousemove --sync $((left + $(device $((106 + 20))))) $((top + $(device $((canvas_top + 300)))))
xdotool mousedown 1
xdotool mousemove --sync $((left + $(device $((106 + 300))))) $((top + $(device $((canvas_top + 300)))))
xdotool mouseup 1
# A pointer on any device pixel reads the pixel shown there: strip columns picked at the first
# and the last device pixel of their logical pixel, each then stamped as a disc on canvas row 380
# at the first device pixel of its column and row.
first_device() {
    awk -v l="$1" -v s="$scale" 'BEGIN { d = l * s - 0.5; c = int(d); if (c < d) c++; print c }'
}
stamps=()
k=0
for pick in "3 first" "3 last" "200 first" "523 first" "523 last"; do
    set -- $pick
    if [ "$2" = first ]; then at=first_device; else at=device; fi
    x=$($at $((106 + $1)))
    y=$($at $((strip_top + 14)))
    colour=$(import -window root -crop "1x1+$((left + x))+$((top + y))" -depth 8 txt:- 2>/dev/null |
        sed -n 2p | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/')
    xdotool mousemove --sync $((left + x)) $((top + y)) click 1
    target=$((40 + 40 * k))
    xdotool mousemove --sync $((left + $(device $((106 + 20))))) $((top + $(device $((canvas_top + 300)))))
    xdotool mousedown 1
    xdotool mousemove --sync $((left + $(first_device $((106 + target))))) \
        $((top + $(first_device $((canvas_top + 380)))))
    xdotool mouseup 1
    stamps+=("$target $colour $1 $2")
    k=$((k + 1))
done
press_at $((672 + 50)) $((416 + 8 - scrolled)) # "brush selection", a button click that repaints
press_at $((672 + 50)) $((448 + 8 - scrolled)) # "save on disk D:"
wait_for sh -c "ls '$work/home/Pictures/'T*.jpg"
saved=$(ls "$work/home/Pictures/"T*.jpg | head -n 1)
sleep 0.5

# saved X Y: "r,g,b" of the saved picture's pixel.
convert "bmp:$saved" -depth 8 "$work/saved.txt"
saved_pixel() {
    awk -v x="$1" -v y="$2" -F'[ ,:()]+' '$1 == x && $2 == y { print $3 "," $4 "," $5; exit }' "$work/saved.txt"
}
[ "$(saved_pixel 300 300)" = "$shown" ] ||
    fail "the press on strip column 200 picked $(saved_pixel 300 300), the screen shows $shown there"
for x in 298 302; do
    [ "$(saved_pixel $x 300)" = "$shown" ] || fail "the disc does not reach ($x, 300)"
done
for x in 297 303; do
    [ "$(saved_pixel $x 300)" = "240,240,240" ] || fail "the disc is not centred on (300, 300)"
done

for stamp in "${stamps[@]}"; do
    set -- $stamp
    [ "$(saved_pixel "$1" 380)" = "$2" ] ||
        fail "a press on the $4 device pixel of strip column $3 picked $(saved_pixel "$1" 380), the screen shows $2"
    for around in "$(($1 - 3)) 380" "$(($1 + 3)) 380" "$1 377" "$1 383"; do
        [ "$(saved_pixel $around)" = "240,240,240" ] ||
            fail "the disc pressed at the first device pixel of ($1, 380) is not centred there"
    done
done

# The canvas on screen is the saved picture, each device pixel showing the picture's pixel under
# its centre: no stray rows, no ghosts.
crop=$(awk -v s="$scale" -v t="$canvas_top" -v h="$height" -v m="$menu" 'BEGIN {
    y0 = int(t * s); below_menu = int(m * s + 0.999); if (y0 < below_menu) y0 = below_menu; y1 = int((t + 437) * s) + 1; if (y1 > h) y1 = h
    printf "%d %d %d %d", int(106 * s), y0, int(525 * s) + 2, y1 - y0 }')
set -- $crop
import -window root -crop "$3x$4+$((left + $1))+$((top + $2))" -depth 8 "$work/screen.txt"
differing=$(awk -v s="$scale" -v ox=106 -v oy="$canvas_top" -v cx="$1" -v cy="$2" -F'[ ,:()]+' '
    FNR == 1 { next }
    FILENAME == ARGV[1] { picture[$1 "," $2] = $3 "," $4 "," $5; next }
    {
        x = int(($1 + cx + 0.5) / s) - ox; y = int(($2 + cy + 0.5) / s) - oy
        if (x < 0 || y < 0 || x >= 525 || y >= 437) next
        checked++
        if (picture[x "," y] != $3 "," $4 "," $5) bad++
    }
    END { print bad + 0, checked + 0 }' "$work/saved.txt" "$work/screen.txt")
set -- $differing
[ "$2" -gt 10000 ] || fail "only $2 device pixels of the canvas were on screen"
[ "$1" -eq 0 ] || fail "$1 of $2 device pixels of the canvas differ from the saved picture"
echo "scale $scale on $screen: the pick, the disc and all $2 device pixels of the canvas are exact"
