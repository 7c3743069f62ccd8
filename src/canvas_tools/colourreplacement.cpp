// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/colourreplacement.h"

#include <cstdint>

// On x86-64 the row loop is built twice, for AVX2 and for the baseline processor, and the
// loader picks the one this processor runs best.
#if defined(__x86_64__) && defined(__GNUC__)
#define SINEPAINT_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SINEPAINT_VECTOR_CLONES
#endif

namespace {

// Recolours one row; returns non-zero when any pixel of it matched. A select, an unconditional
// store and a whole-number reduction: the compiler turns the loop into vector instructions.
SINEPAINT_VECTOR_CLONES
std::uint32_t replaceInRow(QRgb *row, int width, QRgb from, QRgb to)
{
    std::uint32_t matched = 0;
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = row[x];
        const std::uint32_t same = pixel == from;
        matched |= same;
        row[x] = same ? to : pixel;
    }
    return matched;
}

// The same for a row and its strip columns.
SINEPAINT_VECTOR_CLONES
std::uint32_t replaceInRow(QRgb *row, StripColumn *columns, int width, QRgb from, QRgb to,
                           StripColumn toColumn)
{
    std::uint32_t matched = 0;
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = row[x];
        const std::uint32_t same = pixel == from;
        matched |= same;
        row[x] = same ? to : pixel;
        columns[x] = same ? toColumn : columns[x];
    }
    return matched;
}

// The rows from the first to the last for which `matched` says yes, across the full width.
template <typename Matched> QRect matchedRows(const QImage &image, Matched &&matched)
{
    int firstRow = -1;
    int lastRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (matched(y)) {
            firstRow = firstRow < 0 ? y : firstRow;
            lastRow = y;
        }
    }
    if (firstRow < 0) {
        return {};
    }
    return QRect(0, firstRow, image.width(), lastRow - firstRow + 1);
}

} // namespace

QRect replaceColour(QImage &image, QRgb from, QRgb to)
{
    Q_ASSERT(image.depth() == 32);
    if (from == to) {
        return {};
    }
    return matchedRows(image, [&](int y) {
        return replaceInRow(reinterpret_cast<QRgb *>(image.scanLine(y)), image.width(), from, to);
    });
}

QRect replaceColour(QImage &image, QImage &columns, QRgb from, QRgb to, StripColumn toColumn)
{
    Q_ASSERT(image.depth() == 32 && columns.size() == image.size());
    return matchedRows(image, [&](int y) {
        return replaceInRow(reinterpret_cast<QRgb *>(image.scanLine(y)), columnRow(columns, y),
                            image.width(), from, to, toColumn);
    });
}
