#!/usr/bin/env bash
# Without any display the program says so in one line and ends with status 1.
# Usage: no_display_test.sh PATH_TO_SINEPAINT
set -uo pipefail

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$(mktemp -d)" \
    "$1" 2>&1)
status=$?
fail() { echo "FAIL: $*" >&2; echo "it printed: $output" >&2; exit 1; }
[ $status -eq 1 ] || fail "status $status, not 1"
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "more than one line"
case "$output" in
*"no display could be opened"*) ;;
*) fail "the line does not say that no display could be opened" ;;
esac
echo "no display: one line, status 1"
