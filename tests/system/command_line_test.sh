#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line, where no display can be opened as over ssh: --help and --version answer
# with status 0, and so does an export of a palette; no display at all, an unknown option, an
# argument or a palette number out of range give one line and status 1. Qt's own options start
# the program.
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
    local status=$1 pattern=$2 lines=$3 platform=$4 actual # output stays for a further look
    shift 4
    local environment=(XDG_RUNTIME_DIR="$runtime")
    [ "$platform" = - ] || environment+=(QT_QPA_PLATFORM="$platform")
    output=$(timeout 2 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${environment[@]}" \
        "$program" "$@" 2>&1)
    actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -qE -- "$pattern" <<<"$output" ||
        { [ "$lines" != any ] && [ "$(wc -l <<<"$output")" -ne "$lines" ]; }; then
        echo "FAIL: sinepaint $* gave status $actual and printed:" >&2
        echo "$output" >&2
        failures=$((failures + 1))
    fi
}

expect 0 "^sinepaint $version\$" 5 - --version
expect 0 "^License GPLv3\+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\.\$" 5 - -v
expect 0 "^There is NO WARRANTY, to the extent permitted by law\.\$" 5 - --version
expect 0 "^Usage: sinepaint \[options\]" any - --help
expect 0 "--version +Displays version information" any - -h
expect 1 "^sinepaint: no display could be opened" 1 -
expect 1 "^sinepaint: Unknown option 'bogus'" 1 offscreen --bogus
expect 1 "^sinepaint: unexpected argument 'second.jpg': the program opens one picture" 1 offscreen \
    first.jpg second.jpg
expect 1 "^sinepaint: unexpected argument 'picture.jpg': an export opens no picture" 1 - \
    --export-palette "$runtime/x.txt" picture.jpg
expect 0 "--palette <N> +Start with palette N \(1 to 1000000\)" any - --help-all
for bad in 0 1000001 00000000 x 5.5 -3 ""; do
    expect 1 "^sinepaint: --palette takes a whole number from 1 to 1000000, not '$bad'\$" 1 - \
        --palette "$bad"
done
# Exports without a display: palette 5 as its line, palette 1 as a GIMP palette.
expect 0 "^\$" 1 - --palette 5 --export-palette "$runtime/five.txt"
grep -qx "sinepaint palette 5: red phase 3.1630014157295228 period 36.24991; green phase 4.118051459789276 period 50.367878; blue phase 5.010991430282593 period 72.11604" \
    "$runtime/five.txt" || { echo "FAIL: the exported line of palette 5 is $(cat "$runtime/five.txt")" >&2; failures=$((failures + 1)); }
# Leading zeros count for nothing, however many.
expect 0 "^\$" 1 - --palette 00000005 --export-palette "$runtime/five-again.txt"
cmp -s "$runtime/five.txt" "$runtime/five-again.txt" ||
    { echo "FAIL: --palette 00000005 is not palette 5" >&2; failures=$((failures + 1)); }
# The last palette there is, too.
expect 0 "^\$" 1 - --palette 1000000 --export-palette "$runtime/last.txt"
grep -q "^sinepaint palette 1000000: red phase " "$runtime/last.txt" ||
    { echo "FAIL: --palette 1000000 exported $(cat "$runtime/last.txt")" >&2; failures=$((failures + 1)); }
expect 0 "^\$" 1 - --export-palette "$runtime/first.gpl"
[ "$(sed -n '1p;2p;3p;4p;528p' "$runtime/first.gpl" | tr '\n' '|')" = "GIMP Palette|Name: sinepaint palette 1|Columns: 64| 17 216 101|161 251 242|" ] &&
    [ "$(wc -l <"$runtime/first.gpl")" -eq 528 ] ||
    { echo "FAIL: the exported GIMP palette of palette 1 is not as it should be" >&2; failures=$((failures + 1)); }
expect 1 "^sinepaint: the palette could not be written to $runtime/first.doc: The name must end in .gpl" 1 - \
    --export-palette "$runtime/first.doc"
expect 1 "^sinepaint: the palette could not be written to $runtime/first.gpl/x.gpl: The folder " 1 - \
    --export-palette "$runtime/first.gpl/x.gpl"
# An animation without a display: one full cycle of a PNG sinepaint saved (a stroke from
# palette 5's column 200), 6 frames, as numbered PNG frames and as an animated WebP.
saved="$(dirname "$0")/data/stroke-from-palette-5.png"
mkdir "$runtime/frames"
expect 0 "^\$" 1 - "$saved" --export-animation "$runtime/frames" --frames 6 --cycle-seconds 3
[ "$(ls "$runtime/frames" | tr '\n' ' ')" = "frame-0000.png frame-0001.png frame-0002.png frame-0003.png frame-0004.png frame-0005.png " ] ||
    { echo "FAIL: the frames written are $(ls -a "$runtime/frames")" >&2; failures=$((failures + 1)); }
expect 0 "^\$" 1 - "$saved" --export-animation "$runtime/cycle.webp"
[ "$(head -c 4 "$runtime/cycle.webp")" = RIFF ] ||
    { echo "FAIL: no WebP was written" >&2; failures=$((failures + 1)); }
expect 1 "^sinepaint: --frames takes a whole number from 2 to 240, not '0'\$" 1 - \
    "$saved" --export-animation "$runtime/none.webp" --frames 0
expect 1 "^sinepaint: --frames takes a whole number from 2 to 240, not '100000'\$" 1 - \
    "$saved" --export-animation "$runtime/none.webp" --frames 100000
expect 1 "^sinepaint: $runtime/missing.png cannot be read: The file does not exist\.\$" 1 - \
    "$runtime/missing.png" --export-animation "$runtime/none.webp"
expect 1 "^sinepaint: $runtime/first.gpl cannot be read: It is not a picture" 1 - \
    "$runtime/first.gpl" --export-animation "$runtime/none.webp"
expect 1 "^sinepaint: the animation cannot be written to $runtime/gone/none.webp: The folder $runtime/gone does not exist\.\$" 1 - \
    "$saved" --export-animation "$runtime/gone/none.webp"
expect 1 "^sinepaint: the animation cannot be written to $runtime/none.gif: An animation is written as a \.webp file or into a folder, not as \.gif\.\$" 1 - \
    "$saved" --export-animation "$runtime/none.gif"
expect 1 "^sinepaint: $runtime/five.txt cannot be read" 1 - \
    "$runtime/five.txt" --export-animation "$runtime/none.webp"
[ ! -e "$runtime/none.webp" ] && [ ! -e "$runtime/none.gif" ] ||
    { echo "FAIL: a refused export wrote a file" >&2; failures=$((failures + 1)); }
# A file name that is not UTF-8: a picture under it is read; a palette or an animation is never
# written under another name.
cp "$saved" "$runtime/"$'\xfe'"-saved.png"
expect 0 "^\$" 1 - "$runtime/"$'\xfe'"-saved.png" --export-animation "$runtime/from-fe.webp" --frames 2
[ -s "$runtime/from-fe.webp" ] ||
    { echo "FAIL: a picture whose name is not UTF-8 was not read" >&2; failures=$((failures + 1)); }
expect 1 "^sinepaint: the palette cannot be written to $runtime/.\.txt: its name is not valid UTF-8 \(shown with .\), so it would be written under another name\$" 1 - \
    --export-palette "$runtime/"$'\xff'".txt"
expect 1 "^sinepaint: the animation cannot be written to $runtime/.\.webp: its name is not valid UTF-8" 1 - \
    "$saved" --export-animation "$runtime/"$'\xff'".webp"
[ -z "$(find "$runtime" -name '*.txt' -newer "$runtime/from-fe.webp")" ] &&
    [ ! -e "$runtime/"$'\xff'".webp" ] ||
    { echo "FAIL: a name that is not UTF-8 was written as another" >&2; failures=$((failures + 1)); }
# A long bad value is quoted to 40 characters.
expect 1 "^sinepaint: --palette takes a whole number from 1 to 1000000, not '7{40}…'\$" 1 - \
    --palette "$(head -c 130000 /dev/zero | tr '\0' 7)"
# Qt's own options are taken, never reported: the program runs until it is ended.
# (Qt's offscreen platform says a line of its own each time the window's size hints change.)
expect 124 "^(|This plugin does not support propagateSizeHints\(\))\$" any offscreen \
    -platform offscreen -style fusion -reverse --palette 3
[ -z "$(grep -vx 'This plugin does not support propagateSizeHints()' <<<"$output")" ] ||
    { echo "FAIL: Qt's options gave other lines too: $output" >&2; failures=$((failures + 1)); }
[ $failures -eq 0 ] || exit 1
echo "command line: help, version, palettes, exports, animations, Qt's options, no display, unknown option and argument all fine"
