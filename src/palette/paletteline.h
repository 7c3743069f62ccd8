// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QString>

// A palette as one line of text that names it completely, for people and other programs:
//   sinepaint palette 17: red phase 0.86 period 29.5; green phase 5.1 period 51; blue ...
// Each channel is offset + amplitude * sin(phase + x / period) at column x; its amplitude and
// offset are named ("... period 30 amplitude 60 offset 100") only where they are not 126, as
// every numbered palette has them. The numbers are written as the shortest text that reads back
// to exactly the same value: the period as a float, the others as doubles.
QString paletteLine(const ShownPalette &palette);

// A line read back, or the reason it is not a palette line, in words for the user.
struct PaletteLineRead {
    ShownPalette palette;
    QString error; // empty when the line was read
};
PaletteLineRead readPaletteLine(const QString &text);
