// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Palettes written for other programs. Each holds the colours of the strip's shown columns,
// left to right.

// The strip's columns a user sees: 525.
inline constexpr int kShownPaletteColumns = 525;

// The fewest swatches a GIMP palette may have; the most are the strip's columns.
inline constexpr int kFewestSwatches = 2;

// A GIMP palette (GIMP, Inkscape and Krita read it): "GIMP Palette", "Name: sinepaint palette
// N", "Columns: C" (how many swatches GIMP shows a row: all of them, up to 64), then one
// "R G B" line a swatch: `swatches` colours taken at evenly spaced columns, the first and the
// last column among them.
QByteArray gimpPalette(const ShownPalette &palette, int swatches = kShownPaletteColumns);
// The strip column of swatch i of n: i * 524 / (n - 1), rounded.
int swatchColumn(int i, int swatches);
// The colours as a picture one pixel high, a lookup texture for shaders and plots.
QImage paletteTexture(const ShownPalette &palette);

// Writes the palette to `path` in the format its ending names: .gpl (of `swatches` colours),
// .png, .txt (the palette's line), .json, .glsl or .css (see codeexport.h). Returns the
// reason, in words, when it fails.
std::optional<QString> exportPalette(const ShownPalette &palette, const QString &path,
                                     int swatches = kShownPaletteColumns);

// Writes kept palettes to `path`: a .txt file of their lines, one a line; or into the folder
// `path` (made when missing), one GIMP palette each, named by its place among them and its
// number ("01-sinepaint-palette-17.gpl", "02-sinepaint-palette-17-changed.gpl"). Returns the
// reason, in words, when it fails.
std::optional<QString> exportKeptPalettes(const QList<ShownPalette> &kept, const QString &path);

// Whether `path` names a GIMP palette: its ending is .gpl, in any case.
bool namesGimpPalette(const QString &path);

// The file dialog's filters, in the order above.
QStringList paletteExportFilters();
