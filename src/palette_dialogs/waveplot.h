// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/sinepalette.h"

#include <QImage>
#include <QWidget>

// The palette's three waves as curves over the strip's 525 columns, red, green and blue, with
// the strip under them: one pixel a column, a channel's value v at row 127 - v / 2 of the
// plot (255 at the top, 0 at the bottom), each curve unbroken from column to column. Drawn
// without smoothing, and shown at every scale pixel for pixel.
class WavePlot : public QWidget {
    Q_OBJECT

public:
    explicit WavePlot(QWidget *parent = nullptr);

    static constexpr int kColumns = 525;
    static constexpr int kPlotHeight = 128;
    static constexpr int kGap = 4;
    static constexpr int kStripHeight = 16;

    void setWaves(const PaletteWaves &waves);
    const QImage &picture() const { return picture_; }

    // The plot of the waves as this widget shows it.
    static QImage plotPicture(const PaletteWaves &waves);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
