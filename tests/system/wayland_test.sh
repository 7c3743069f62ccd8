#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a real Wayland compositor, weston's headless backend: it starts, its
# window is mapped under the application id, it keeps running without a warning, and a request
# to terminate ends it with status 0. Usage: wayland_test.sh PATH_TO_SINEPAINT [APP_ID]
set -euo pipefail

program=$1
app_id=${2:-}
# The shared helpers: $work, fail, wait_for, and session_pids ended on exit.
source "$(dirname "$0")/../../scripts/xsession.sh"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --socket=sinepaint-test --width=1920 --height=1200 \
    --idle-time=0 >"$work/weston.log" 2>&1 &
session_pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/sinepaint-test"

# Qt unloads its Wayland plugins when it ends, before LeakSanitizer looks, so their buffers can
# be neither named nor suppressed: in a sanitizer build this run leaves leaks to the X11 runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# WAYLAND_DEBUG lines start with a time in brackets; anything else the program says is a warning.
WAYLAND_DISPLAY=sinepaint-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" \
    2>"$work/program.log" &
program=$!
session_pids+=($program)
# Mapped: a buffer attached and committed to a surface that has an xdg_toplevel. (libwayland
# names objects interface@id before 1.23 and interface#id since.)
wait_for grep -qE 'xdg_toplevel[@#][0-9]+\.set_title\("form1"\)' "$work/program.log"
wait_for grep -qE 'wl_surface[@#][0-9]+\.attach\(wl_buffer[@#]' "$work/program.log"
if [ -n "$app_id" ]; then
    grep -qE "xdg_toplevel[@#][0-9]+\.set_app_id\(\"$app_id\"\)" "$work/program.log" ||
        fail "the compositor was not given the application id $app_id"
fi
sleep 2 # running a while: it must not end or warn meanwhile
kill -0 "$program" 2>/dev/null || fail "the program ended by itself: $(grep -v '^\[' "$work/program.log")"
kill -TERM "$program"
status=0
wait "$program" || status=$?
# Qt 6.8's Wayland plugin, tearing down after main has returned, writes to its closed wake-up
# pipe and says so; that line is Qt's, not the program's.
warnings=$(grep -v '^\[' "$work/program.log" | grep -v '^ *$' |
    grep -vxF 'Failed to write to the pipe: Bad file descriptor.' || true)
[ -z "$warnings" ] || fail "the program printed: $warnings"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "wayland: mapped, ran quietly and ended cleanly"
