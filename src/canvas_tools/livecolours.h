// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QImage>
#include <QRect>

// The picture follows the strip: every pixel that remembers a strip column takes that column's
// colour in `colours`; the others keep theirs. `columns` is the plane beside `image`. Returns
// the rows in which a pixel changed, across the full width.
QRect recolourByColumns(QImage &image, const QImage &columns, const StripColours &colours);
