#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What assistive technology sees of the real window, over AT-SPI: the canvas, the palette strip
# and the brush size by name, the brush size's value as text, and no hidden copy of the canvas;
# with "de", the same in German under LANG=de_DE.UTF-8, the menu bar's titles too.
# Usage: accessibility_test.sh PATH_TO_SINEPAINT [de]
set -euo pipefail

# The whole test runs in a D-Bus session of its own, with the accessibility bus on it.
if [ -z "${SINEPAINT_IN_DBUS:-}" ]; then
    SINEPAINT_IN_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
export SINEPAINT_TEST_LANGUAGE=${2:-en}
if [ "$SINEPAINT_TEST_LANGUAGE" = de ]; then
    export LANG=de_DE.UTF-8 LANGUAGE=de
fi
source "$(dirname "$0")/scaled_session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
session_pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program_at_scale "$program" 1

/usr/bin/python3 - <<'PY'
import os, sys, time
import pyatspi

# The texts looked for: English, or German.
german = os.environ["SINEPAINT_TEST_LANGUAGE"] == "de"
CANVAS, STRIP, BRUSH, COLOUR = (("Leinwand", "Palettenstreifen", "Pinselgröße", "Malfarbe")
                                if german else
                                ("Canvas", "Palette strip", "Brush size", "Painting colour"))
RADIUS = "Pinselradius 2" if german else "Brush radius 2"
MENUS = (["Datei", "Bearbeiten", "Palette", "Pinsel", "Hilfe"] if german else
         ["File", "Edit", "Palette", "Brush", "Help"])

def application():
    for _ in range(300):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "sinepaint":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: sinepaint is not on the accessibility bus")

def everything(node, found):
    found.append((node.getRoleName(), node.name, node.description))
    for child in node:
        if child is not None:
            everything(child, found)
    return found

found = everything(application(), [])
named = {name: (role, description) for role, name, description in found}
for name in (CANVAS, STRIP, BRUSH, COLOUR):
    if name not in named:
        sys.exit(f"FAIL: nothing named {name!r} among {sorted(n for n in named if n)}")
if named[BRUSH][1] != RADIUS:
    sys.exit(f"FAIL: the brush size says {named[BRUSH][1]!r}")
if not named[STRIP][1].startswith("Palette 1"):
    sys.exit(f"FAIL: the strip says {named[STRIP][1]!r}")
def menu_bar(node):
    if node.getRoleName() == "menu bar":
        return [item.name for item in node if item is not None]
    for child in node:
        titles = child is not None and menu_bar(child)
        if titles:
            return titles
    return None

titles = menu_bar(application())
if titles != MENUS:
    sys.exit(f"FAIL: the menu bar's titles are {titles}")
# Inside the window, the canvas and the strip are the only boxes of their kind (a frame, or a
# panel as newer AT-SPI names it): the hidden copy is not there.
kind = named[CANVAS][0]
boxes = [name for role, name, _ in found if role == kind and name != "form1"]
if boxes != [CANVAS, STRIP]:
    sys.exit(f"FAIL: the boxes ({kind}) in the window are {boxes}")
print("accessibility: the canvas, the strip and the brush size have names; the brush size says",
      "its radius; the menus", MENUS)
PY
