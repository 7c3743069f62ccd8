// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/livecolours.h"

#include "surface/columnplane.h"

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
#define SINEPAINT_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SINEPAINT_VECTOR_CLONES
#endif

namespace {

// One row. A column past the strip (kNoColumn) looks up the extra last entry and keeps its
// pixel; every pixel is loaded, looked up and stored, with no branch, so the compiler turns the
// loop into vector gathers. Returns non-zero when any pixel changed.
SINEPAINT_VECTOR_CLONES
std::uint32_t recolourRow(QRgb *row, const StripColumn *columns, int width, const QRgb *table)
{
    std::uint32_t changed = 0;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t column = std::min<std::uint32_t>(columns[x], kPaletteColumns);
        const QRgb was = row[x];
        const QRgb is = column == kPaletteColumns ? was : table[column];
        changed |= was ^ is;
        row[x] = is;
    }
    return changed;
}

} // namespace

QRect recolourByColumns(QImage &image, const QImage &columns, const StripColours &colours)
{
    Q_ASSERT(image.depth() == 32 && columns.size() == image.size());
    QRgb table[kPaletteColumns + 1];
    std::copy(colours.begin(), colours.end(), table);
    table[kPaletteColumns] = 0;
    int firstRow = -1;
    int lastRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (recolourRow(reinterpret_cast<QRgb *>(image.scanLine(y)), columnRow(columns, y),
                        image.width(), table)) {
            firstRow = firstRow < 0 ? y : firstRow;
            lastRow = y;
        }
    }
    if (firstRow < 0) {
        return {};
    }
    return QRect(0, firstRow, image.width(), lastRow - firstRow + 1);
}
