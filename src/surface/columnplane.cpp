// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/columnplane.h"

#include <algorithm>

QImage emptyColumnPlane(QSize size)
{
    QImage plane(size, QImage::Format_Grayscale16);
    fillColumns(plane, plane.rect(), kNoColumn);
    return plane;
}

void fillColumns(QImage &plane, const QRect &area, StripColumn column)
{
    const QRect inside = area & plane.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        StripColumn *row = columnRow(plane, y);
        std::fill(row + inside.left(), row + inside.right() + 1, column);
    }
}
