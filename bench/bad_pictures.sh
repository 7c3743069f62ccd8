#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures of the readers' table that must be refused (cut, re-terminated, forged, or
# asking for gigabytes), each opened as `sinepaint FILE` in a real X server with a window
# manager: how long after the time the program takes to show its window at all the message
# comes (the slowest; at most 2 s), and the most the program holds meanwhile (at most 600 MB).
# Usage: bad_pictures.sh PATH_TO_SINEPAINT PATH_TO_TST_PICTUREREADERS
set -euo pipefail

program=$1
readers=$2
source "$(dirname "$0")/../scripts/xsession.sh"
start_x_session
mkdir -p "$work/pictures"
SINEPAINT_SEED_FOLDER="$work/pictures" QT_QPA_PLATFORM=offscreen "$readers" \
    aPictureNotWholeIsRefused >"$work/readers.log" 2>&1 || fail "the readers' table fails"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# start FILE WINDOW: starts the program on FILE and waits for the window titled WINDOW; sets pid
# and took (milliseconds from the start to the window).
start() {
    local begun
    begun=$(now_ms)
    QT_QPA_PLATFORM=xcb "$program" "$@" >>"$work/program.log" 2>&1 &
    pid=$!
    session_pids+=($pid)
    window_named "$WINDOW" >/dev/null
    took=$(($(now_ms) - begun))
}

stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# The time the program takes to show its window with no picture: the slowest of three.
plain=0
for _ in 1 2 3; do
    WINDOW=form1 start
    stop
    [ "$took" -gt "$plain" ] && plain=$took
done
count=0 slowest=0 largest=0
for picture in "$work"/pictures/refused-*; do
    WINDOW="Picture not opened" start "$picture"
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    stop
    count=$((count + 1))
    [ $((took - plain)) -gt "$slowest" ] && slowest=$((took - plain))
    [ "$peak" -gt "$largest" ] && largest=$peak
done
[ "$count" -ge 30 ] || fail "only $count pictures to refuse"
largest=$((largest / 1024))
holds=$(awk -v t="$slowest" -v m="$largest" 'BEGIN { print (t <= 2000 && m <= 600) ? "yes" : "NO" }')
printf '%-26s %9s ms   %-24s %9s MB  %7s %7s  %s\n' "RefuseBadPictureSlowest" "$slowest" \
    "most held ($count files)" "$largest" "-" "<= 2 s, 600 MB" "$holds"
