// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Palettes written for other programs. Each holds the colours of the strip's shown columns,
// left to right.

// The strip's columns a user sees: 525.
inline constexpr int kShownPaletteColumns = 525;

// A GIMP palette (GIMP, Inkscape and Krita read it): "GIMP Palette", "Name: sinepaint palette
// N", then one "R G B" line a colour.
QByteArray gimpPalette(const ShownPalette &palette);
// The colours as a picture one pixel high, a lookup texture for shaders and plots.
QImage paletteTexture(const ShownPalette &palette);

// Writes the palette to `path` in the format its ending names: .gpl, .png or .txt (the
// palette's line). Returns the reason, in words, when it fails.
std::optional<QString> exportPalette(const ShownPalette &palette, const QString &path);

// The file dialog's filters, in the order above.
QStringList paletteExportFilters();
