#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The code keeps its rooms: no source file over 500 lines, the form's own file under 400, and
# includes only run downwards: surface and picture_files at the bottom, then palette, then
# canvas_tools, the palette dialogs, the other dialogs, main_window, and the start-up code
# (app) at the top.
# Usage: code_rooms_test.sh SOURCE_FOLDER
set -uo pipefail
cd "$1" || exit 1
failures=0

while read -r lines file; do
    [ "$file" = total ] && continue
    limit=500
    [ "$file" = main_window/form1.cpp ] && limit=399
    if [ "$lines" -gt "$limit" ]; then
        echo "FAIL: $file has $lines lines, more than $limit" >&2
        failures=$((failures + 1))
    fi
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | xargs wc -l)

# What each folder may include besides itself.
declare -A allowed=(
    [surface]=""
    [picture_files]=""
    [palette]="surface picture_files"
    [canvas_tools]="surface picture_files palette"
    [palette_dialogs]="surface picture_files palette canvas_tools"
    [dialogs]="surface picture_files palette canvas_tools palette_dialogs"
    [main_window]="surface picture_files palette canvas_tools palette_dialogs dialogs"
    [app]="surface picture_files palette canvas_tools palette_dialogs dialogs main_window"
)
for folder in "${!allowed[@]}"; do
    while IFS=: read -r file included; do
        if [ "$included" != "$folder" ] && ! grep -qw -- "$included" <<<"${allowed[$folder]}"; then
            echo "FAIL: $file includes from $included, a folder above $folder" >&2
            failures=$((failures + 1))
        fi
    done < <(grep -o '^#include "[a-z_]*/' "$folder"/* | sed 's|#include "||; s|/$||')
done

[ "$failures" -eq 0 ] && echo "the code keeps its rooms"
exit $((failures > 0))
