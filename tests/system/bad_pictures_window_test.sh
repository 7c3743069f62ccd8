#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures of the readers' table that must be refused (cut, re-terminated, forged, or
# asking for gigabytes), each opened as `sinepaint FILE` in a real window: the message comes
# within 2 s of the time the program takes to show its window at all, and the program never
# holds more than 600 MB.
# Usage: bad_pictures_window_test.sh PATH_TO_SINEPAINT PATH_TO_TST_PICTUREREADERS
set -euo pipefail

program=$1
readers=$2
source "$(dirname "$0")/../../scripts/xsession.sh"
start_x_session
mkdir -p "$work/pictures"
SINEPAINT_SEED_FOLDER="$work/pictures" QT_QPA_PLATFORM=offscreen "$readers" \
    aPictureNotWholeIsRefusedQuickly >"$work/readers.log" 2>&1 || fail "the readers' table fails"

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
    [ $((took - plain)) -le 2000 ] ||
        fail "$(basename "$picture") was refused $((took - plain)) ms after the window would show"
    [ "$peak" -le $((600 * 1024)) ] || fail "$(basename "$picture") made the program hold $peak KiB"
    count=$((count + 1))
    [ $((took - plain)) -gt "$slowest" ] && slowest=$((took - plain))
    [ "$peak" -gt "$largest" ] && largest=$peak
done
[ "$count" -ge 30 ] || fail "only $count pictures to refuse"
echo "bad pictures in a real window: all $count refused within 2 s and 600 MB (the slowest" \
    "$slowest ms after the window would show, the most held $((largest / 1024)) MB)"
