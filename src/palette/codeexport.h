// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QByteArray>

// A palette written for code, each naming its waves so that the formula
//   offset + amplitude * sin(phase + x / period), rounded and clamped to 0..255,
// over the strip's columns x = 0..524 gives the strip (the period a single-precision number,
// as the program holds it, and x / period taken in single precision).

// JSON: {"number", "changed", "columns": 525, "red"/"green"/"blue": {"phase", "period",
// "amplitude", "offset"}}, every number written as the shortest text that reads back to it.
QByteArray paletteJson(const ShownPalette &palette);

// GLSL: `vec3 sinepaint_palette(float x)`, the colour of column x in 0..1 by the same formula,
// with a comment that says so.
QByteArray paletteGlsl(const ShownPalette &palette);

// CSS: a custom property holding a linear-gradient(to right, ...) of the strip, a stop every
// 5 columns and one at the last.
QByteArray paletteCss(const ShownPalette &palette);
