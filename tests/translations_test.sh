#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation file holds every text of the sources, and no text they no longer have:
# lupdate, run over the sources into a copy of each, leaves the copy as it was.
# Usage: translations_test.sh LUPDATE SOURCE_TREE
set -euo pipefail
lupdate=$1
tree=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$tree"/translations/*.ts; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -locations none "$tree/src" -ts "$copy" >"$scratch/lupdate.log" 2>&1 ||
        { cat "$scratch/lupdate.log"; exit 1; }
    if ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not up to date with the sources; run" \
            "'cmake --build build --target update_translations' and translate what is new:"
        diff "$ts" "$copy" || true
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASS: every translation file holds every text of the sources"
exit "$status"
