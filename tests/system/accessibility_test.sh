#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What assistive technology sees of the real window, over AT-SPI: the canvas, the palette strip
# and the brush size by name, the brush size's value as text, and no hidden copy of the canvas.
# Usage: accessibility_test.sh PATH_TO_SINEPAINT
set -euo pipefail

# The whole test runs in a D-Bus session of its own, with the accessibility bus on it.
if [ -z "${SINEPAINT_IN_DBUS:-}" ]; then
    SINEPAINT_IN_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
source "$(dirname "$0")/scaled_session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
session_pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program_at_scale "$program" 1

/usr/bin/python3 - <<'PY'
import sys, time
import pyatspi

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
for name in ("Canvas", "Palette strip", "Brush size", "Painting colour"):
    if name not in named:
        sys.exit(f"FAIL: nothing named {name!r} among {sorted(n for n in named if n)}")
if named["Brush size"][1] != "Brush radius 2":
    sys.exit(f"FAIL: the brush size says {named['Brush size'][1]!r}")
if not named["Palette strip"][1].startswith("Palette 1"):
    sys.exit(f"FAIL: the strip says {named['Palette strip'][1]!r}")
# Inside the window, the canvas and the strip are the only boxes of their kind (a frame, or a
# panel as newer AT-SPI names it): the hidden copy is not there.
kind = named["Canvas"][0]
boxes = [name for role, name, _ in found if role == kind and name != "form1"]
if boxes != ["Canvas", "Palette strip"]:
    sys.exit(f"FAIL: the boxes ({kind}) in the window are {boxes}")
print("accessibility: the canvas, the strip and the brush size have names; the brush size says its radius")
PY
