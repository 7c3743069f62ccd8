#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# From starting the process to its first complete frame on screen (every caption drawn, the
# strip filled), in a real X server with a window manager: the program's window against the
# same window, menu bar and controls drawing nothing, in interleaved runs. Prints each one's
# median and the ratio. Usage: start_to_frame.sh FIRST_FRAME [RUNS]
set -euo pipefail

first_frame=$1
runs=${2:-9}
source "$(dirname "$0")/../scripts/xsession.sh"
start_x_session

# milliseconds_to_frame MODE: starts the window, prints the milliseconds to its first frame.
milliseconds_to_frame() {
    local start end
    start=$(date +%s%N)
    end=$(QT_QPA_PLATFORM=xcb "$first_frame" "$1" 2>/dev/null)
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

ours=()
yardstick=()
for _ in $(seq 1 "$runs"); do
    ours+=("$(milliseconds_to_frame sinepaint)")
    yardstick+=("$(milliseconds_to_frame baseline)")
done
a=$(printf '%s\n' "${ours[@]}" | median)
b=$(printf '%s\n' "${yardstick[@]}" | median)
ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')
holds=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.1) ? "yes" : "NO" }')
printf '\n%-26s %9s ms   %-24s %9s ms %7s %7s  %s\n' "StartToFirstFrame" "$a" \
    "SameWindowNoDrawing" "$b" "$ratio" "1.1x" "$holds"
