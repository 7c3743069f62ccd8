// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"
#include "surface/columnplane.h"

#include <QImage>
#include <QRect>

#include <vector>

// The runs of pixels along each row of a plane of strip columns that remember one column:
// what the picture repaints when it follows the strip. A painting's discs lay long runs, so a
// repaint is a few fills a row; the runs are kept while the plane stays as it is.
class ColumnRuns {
public:
    ColumnRuns() = default;
    explicit ColumnRuns(const QImage &columns);

    // Every pixel that remembers a column takes that column's colour in `colours`; the others
    // keep theirs. Returns the rows that hold remembered pixels, across the full width.
    QRect recolour(QImage &image, const StripColours &colours) const;
    // How many runs there are.
    qsizetype count() const { return qsizetype(runs_.size()); }

private:
    struct Run {
        quint32 start; // the first pixel, counted row after row from the top left
        quint16 length;
        StripColumn column;
    };
    std::vector<Run> runs_;
    QRect rows_;
    int width_ = 0;
};

// The picture follows the strip: every pixel that remembers a strip column takes that column's
// colour in `colours`; the others keep theirs. `columns` is the plane beside `image`. Returns
// the rows that hold remembered pixels, across the full width.
QRect recolourByColumns(QImage &image, const QImage &columns, const StripColours &colours);

// Frame k of `frames` of one full cycle of the picture's live colours: frame 0 the picture as
// it is, frame k its remembered pixels (`runs`) in the colours of `waves` turned by k / frames
// of a full turn; the other pixels as they are.
QImage cycleFrame(const QImage &picture, const ColumnRuns &runs, const PaletteWaves &waves, int k,
                  int frames);
