// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture's recipe: the palette on the strip and the strip column each pixel remembers, kept
// in a PNG beside the pixels so that the picture can follow the strip again in a later run.
// Its bytes: the line "sinepaint recipe 1", the palette's line, the plane's width and height,
// each ending in a line feed, then the plane as a zlib stream of runs of one column, row after
// row: a run is a length (1 to 65535) and a column (65535 for none), little-endian 16-bit
// numbers, and the lengths of a row's runs add up to its width.

// The recipe of `picture` with the palette on the strip: the columns of the pixels that show
// their column's colour in that palette; a pixel that shows another colour is kept as one that
// remembers none, so the recipe always fits the picture. `dropped` counts such pixels.
QByteArray encodeRecipe(const ShownPalette &palette, const QImage &picture, const QImage &columns,
                        qsizetype *dropped = nullptr);

// A recipe read back, untrusted, for `picture` (the canvas it came in as): its palette, whether
// that is its number's own, and its plane; or the reason it cannot be taken, as the end of a
// sentence ("its palette and strip columns are damaged").
struct RecipeRead {
    ShownPalette palette;
    QImage columns; // null when the recipe is not taken
    QString error;
};
RecipeRead decodeRecipe(const QByteArray &recipe, const QImage &picture);
