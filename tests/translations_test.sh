#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation file holds every text of the sources, and no text they no longer have:
# lupdate, run over the sources into a copy of each, leaves the copy's messages as they were.
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
    # The messages compared, not the bytes: another Qt's lupdate may lay the file out otherwise.
    if ! python3 - "$ts" "$copy" <<'PY'; then
import sys
import xml.etree.ElementTree as ET

def messages(path):
    found = set()
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found.add((name, message.findtext("source"), translation.text or "",
                       translation.get("type", "")))
    return found

kept, updated = messages(sys.argv[1]), messages(sys.argv[2])
for context, source, translation, kind in sorted(updated - kept):
    print(f"  {context}: {source!r} is {kind or 'changed'} after lupdate")
sys.exit(0 if kept == updated else 1)
PY
        echo "FAIL: $(basename "$ts") is not up to date with the sources; run" \
            "'cmake --build build --target update_translations' and translate what is new"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASS: every translation file holds every text of the sources"
exit "$status"
