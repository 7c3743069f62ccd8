#!/usr/bin/env bash
# From starting the process to its window being mapped and viewable, in a real X server with a
# window manager: the program against the smallest Qt Widgets program, in interleaved runs.
# Prints each one's median and the ratio. Usage: start_to_window.sh SINEPAINT MINIMAL_WINDOW [RUNS]
set -euo pipefail

program=$1
minimal=$2
runs=${3:-9}
source "$(dirname "$0")/../scripts/xsession.sh"
start_x_session

# milliseconds_to_window COMMAND TITLE: starts COMMAND, waits until a window titled TITLE is
# viewable, prints the milliseconds that took, and ends the process.
milliseconds_to_window() {
    local start end pid
    start=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -name "$2" 2>/dev/null | grep -q 'Map State: IsViewable'; do
        kill -0 "$pid" 2>/dev/null || fail "$1 ended before its window showed"
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

ours=()
yardstick=()
for _ in $(seq 1 "$runs"); do
    ours+=("$(milliseconds_to_window "$program" form1)")
    yardstick+=("$(milliseconds_to_window "$minimal" minimal)")
done
a=$(printf '%s\n' "${ours[@]}" | median)
b=$(printf '%s\n' "${yardstick[@]}" | median)
ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')
holds=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.1) ? "yes" : "NO" }')
printf '\n%-26s %9s ms   %-24s %9s ms %7s %7s  %s\n' "StartToWindow" "$a" "MinimalWindow" "$b" \
    "$ratio" "1.1x" "$holds"
