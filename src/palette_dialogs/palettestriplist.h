// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette/palettenumber.h"

#include <QAbstractScrollArea>

class PaletteCatalogue;

// The numbered palettes 1 to kLastPaletteNumber as rows of a list: each row its number and its
// strip. Only the rows in sight are ever worked out, so any part of the million shows at once.
// The wheel, the scroll bar, the arrow keys, Page Up and Down, Home and End move through it; a
// click on a row, or Enter, chooses the current one.
class PaletteStripList : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PaletteStripList(PaletteCatalogue &catalogue, QWidget *parent = nullptr);

    static constexpr int kRowHeight = 22;
    static constexpr int kStripHeight = 16;
    static constexpr int kNumberWidth = 72;
    static constexpr int kStripWidth = 525;

    PaletteNumber current() const { return current_; }
    PaletteNumber firstShown() const;
    // Makes `number` the current row and shows it, at the top where the list can.
    void setCurrent(PaletteNumber number, bool atTop = false);

    // The strip of palette `number` as a row shows it, `height` rows high.
    static QImage stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height);

signals:
    void chosen(PaletteNumber number);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int rowsInSight() const;
    void updateScrollRange();

    PaletteCatalogue &catalogue_;
    PaletteNumber current_ = kFirstPaletteNumber;
};
