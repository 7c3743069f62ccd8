#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak resident memory of the real program against the smallest Qt Widgets program, both in a
# real X window. The program starts, makes a full-canvas colour replacement and a save, and
# exits; the yardstick shows one empty maximised window for two seconds.
# Usage: peak_memory.sh PATH_TO_SINEPAINT PATH_TO_MINIMAL_WINDOW
set -euo pipefail

program=$1
minimal=$2
source "$(dirname "$0")/../scripts/xsession.sh"
start_x_session
mkdir -p "$work/home"

# peak_kib REPORT: the maximum resident set size that /usr/bin/time -v wrote to REPORT.
peak_kib() {
    sed -n 's/.*Maximum resident set size (kbytes): *//p' "$1"
}

HOME="$work/home" QT_QPA_PLATFORM=xcb /usr/bin/time -v -o "$work/program.time" "$program" &
program_pid=$!
window=$(window_named form1)
wait_for_maximised "$window"
window_origin "$window"
wait_for menu_height # sets menu: the client area's top lies below the menu bar
top=$((top + menu))
click_at $((106 + 300)) $((562 + 10)) # pick a colour from the strip
click_at $((672 + 50)) $((384 + 8))   # "change color"
click_at $((106 + 200)) $((98 + 200)) # the whole blank canvas takes the colour
click_at $((672 + 50)) $((448 + 8))   # "save on disk D:"
wait_for sh -c "ls '$work/home/Pictures/'T*.jpg"
click_at $((728 + 24)) $((480 + 8))   # "exit"
wait $program_pid

HOME="$work/home" QT_QPA_PLATFORM=xcb /usr/bin/time -v -o "$work/minimal.time" "$minimal"

ours=$(peak_kib "$work/program.time")
yardstick=$(peak_kib "$work/minimal.time")
ratio=$(awk -v a="$ours" -v b="$yardstick" 'BEGIN { printf "%.2f", a / b }')
holds=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.4) ? "yes" : "NO" }')
printf '\n%-26s %9s KiB  %-24s %9s KiB %7s %7s  %s\n' "PeakMemory" "$ours" "MinimalWindow" \
    "$yardstick" "$ratio" "1.4x" "$holds"
