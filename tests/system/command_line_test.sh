#!/usr/bin/env bash
# The command line, where no display can be opened as over ssh: --help and --version answer
# with status 0; no display at all, an unknown option or an argument give one line and status 1.
# Usage: command_line_test.sh PATH_TO_SINEPAINT VERSION
set -uo pipefail

program=$1
version=$2
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failures=0

# expect STATUS PATTERN LINES PLATFORM ARGUMENT...: runs the program without a display (or on
# PLATFORM when not "-") and checks its status, its output and how many lines it has.
expect() {
    local status=$1 pattern=$2 lines=$3 platform=$4 output actual
    shift 4
    local environment=(XDG_RUNTIME_DIR="$runtime")
    [ "$platform" = - ] || environment+=(QT_QPA_PLATFORM="$platform")
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${environment[@]}" \
        "$program" "$@" 2>&1)
    actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -qE -- "$pattern" <<<"$output" ||
        { [ "$lines" != any ] && [ "$(wc -l <<<"$output")" -ne "$lines" ]; }; then
        echo "FAIL: sinepaint $* gave status $actual and printed:" >&2
        echo "$output" >&2
        failures=$((failures + 1))
    fi
}

expect 0 "^sinepaint $version\$" 1 - --version
expect 0 "^Usage: sinepaint \[options\]" any - --help
expect 0 "--version +Displays version information" any - -h
expect 1 "^sinepaint: no display could be opened" 1 -
expect 1 "^sinepaint: Unknown option 'bogus'" 1 offscreen --bogus
expect 1 "^sinepaint: unexpected argument 'picture.jpg'" 1 offscreen picture.jpg
[ $failures -eq 0 ] || exit 1
echo "command line: help, version, no display, unknown option and argument all fine"
