// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Which column of the palette strip a pixel's colour was picked from, so that the picture can
// follow the strip. A plane of them lies beside a picture, one a pixel, as a 16-bit grey image
// of the picture's size.
using StripColumn = quint16;

// A pixel whose colour came from anywhere but the strip: the grey of a new image, the help
// panel, a picture from outside.
inline constexpr StripColumn kNoColumn = 0xffff;

// A plane of `size` in which no pixel remembers a column.
QImage emptyColumnPlane(QSize size);

// Every pixel of `area` remembers `column`.
void fillColumns(QImage &plane, const QRect &area, StripColumn column);

// The row y of a plane, to read and to write.
inline const StripColumn *columnRow(const QImage &plane, int y)
{
    return reinterpret_cast<const StripColumn *>(plane.constScanLine(y));
}
inline StripColumn *columnRow(QImage &plane, int y)
{
    return reinterpret_cast<StripColumn *>(plane.scanLine(y));
}
