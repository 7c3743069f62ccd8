// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_tools/livecolours.h"

#include "palette/palettecycle.h"

ColumnRuns::ColumnRuns(const QImage &columns) : width_(columns.width())
{
    constexpr int kLongestRun = 0xffff;
    int top = -1, bottom = -1;
    for (int y = 0; y < columns.height(); ++y) {
        const StripColumn *row = columnRow(columns, y);
        for (int x = 0; x < width_;) {
            const StripColumn column = row[x];
            int end = x + 1;
            while (end < width_ && row[end] == column && end - x < kLongestRun) {
                ++end;
            }
            // A column the strip does not have is remembered by no pixel.
            if (column < kPaletteColumns) {
                runs_.push_back({quint32(qint64(y) * width_ + x), quint16(end - x), column});
                top = top < 0 ? y : top;
                bottom = y;
            }
            x = end;
        }
    }
    if (top >= 0) {
        rows_ = QRect(0, top, columns.width(), bottom - top + 1);
    }
}

QRect ColumnRuns::recolour(QImage &image, const StripColours &colours) const
{
    Q_ASSERT(image.width() == width_ && image.bytesPerLine() == width_ * int(sizeof(QRgb)));
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    for (const Run &run : runs_) {
        QRgb *first = pixels + run.start;
        const QRgb colour = colours[run.column];
        for (int i = 0; i < run.length; ++i) {
            first[i] = colour;
        }
    }
    return rows_;
}

QRect recolourByColumns(QImage &image, const QImage &columns, const StripColours &colours)
{
    Q_ASSERT(image.depth() == 32 && columns.size() == image.size());
    return ColumnRuns(columns).recolour(image, colours);
}

QImage cycleFrame(const QImage &picture, const ColumnRuns &runs, const PaletteWaves &waves, int k,
                  int frames)
{
    QImage frame = picture;
    if (k != 0) {
        runs.recolour(frame, stripColours(turnedWaves(waves, double(k) / frames)));
    }
    return frame;
}
