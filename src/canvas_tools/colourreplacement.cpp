#include "canvas_tools/colourreplacement.h"

#include <cstddef>

QRect replaceColour(QImage &image, QRgb from, QRgb to)
{
    Q_ASSERT(image.depth() == 32);
    if (from == to) {
        return {};
    }
    const int width = image.width();
    int firstRow = -1;
    int lastRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        // A select and an unconditional store, so the compiler can vectorise the row.
        bool matched = false;
        for (int x = 0; x < width; ++x) {
            const bool same = row[x] == from;
            matched |= same;
            row[x] = same ? to : row[x];
        }
        if (matched) {
            firstRow = firstRow < 0 ? y : firstRow;
            lastRow = y;
        }
    }
    if (firstRow < 0) {
        return {};
    }
    return QRect(0, firstRow, width, lastRow - firstRow + 1);
}
